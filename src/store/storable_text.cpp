#include "store/storable_text.h"

#include "store/cp932.h"

bool holdsNoQuoteOrLineBreak(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'"' || c == u'\r' || c == u'\n')
            return false;
    }
    return true;
}

bool canStoreText(const QString& text)
{
    return holdsNoQuoteOrLineBreak(text) && cp932::roundTrips(text);
}
