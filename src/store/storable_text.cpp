#include "store/storable_text.h"

#include "store/cp932.h"

bool holdsNoQuoteOrLineBreak(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u <= u'"' && (u == u'"' || u == u'\r' || u == u'\n'))
            return false;
    }
    return true;
}

bool canStoreText(const QString& text)
{
    return holdsNoQuoteOrLineBreak(text) && cp932::roundTrips(text);
}
