#include "store/storable_text.h"

#include "store/cp932.h"

namespace {

bool holdsNoQuoteOrLineBreak(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 64 && (QuoteAndLineBreaks >> u & 1))
            return false;
    }
    return true;
}

} // namespace

bool canStoreText(const QString& text)
{
    return holdsNoQuoteOrLineBreak(text) && cp932::roundTrips(text);
}

QString unstorableCharacter(const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        // A character beyond the BMP is two UTF-16 units and is named whole.
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, length);
        if (holdsNoQuoteOrLineBreak(character) && cp932::roundTrips(character)) {
            i += length - 1;
            continue;
        }
        const bool lineBreak = character == u"\r" || character == u"\n";
        const QString shown = lineBreak ? QStringLiteral("改行")
                                        : QStringLiteral("「%1」").arg(character.toString());
        const uint code = length == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                      : text.at(i).unicode();
        const QString hex = QString::number(code, 16).toUpper();
        return QStringLiteral("%1（U+%2）").arg(shown, hex.rightJustified(4, QLatin1Char('0')));
    }
    return {};
}
