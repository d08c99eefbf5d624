#include "pages/page_number.h"

namespace {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'０' && u <= u'９')
        return u - u'０';
    return -1;
}

// +1 or -1 for a sign character, 0 for anything else.
int signOf(QChar c)
{
    switch (c.unicode()) {
    case u'+':
    case u'＋': return 1;
    case u'-':
    case u'－':
    case u'−': return -1;
    default: return 0;
    }
}

} // namespace

std::optional<int16_t> readPageNumber(const QString& answer)
{
    const QString text = answer.trimmed();
    int pos = 0;
    int sign = 1;
    if (!text.isEmpty() && signOf(text.at(0)) != 0) {
        sign = signOf(text.at(0));
        pos = 1;
    }
    if (pos == text.size())
        return std::nullopt;
    int magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text.at(pos));
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
        if (magnitude > 32768)
            return std::nullopt;
    }
    const int value = sign * magnitude;
    if (value > INT16_MAX)
        return std::nullopt;
    return int16_t(value);
}
