#include "store/storable_text.h"

#include "store/cp932.h"

static bool canStoreChar(QChar c)
{
    if (c == u'"' || c == u'\r' || c == u'\n')
        return false;
    return cp932::roundTrips(c);
}

bool canStoreText(const QString& text)
{
    for (const QChar c : text) {
        if (!canStoreChar(c))
            return false;
    }
    return true;
}
