#include "store/cp932.h"

#include "store/cp932_tables.h"

#include <iterator>

using cp932::tables::NoCode;

namespace cp932 {

namespace {

// Decodes into out, which has room for one unit per byte; the number of units, or -1.
qsizetype decodeInto(QByteArrayView bytes, char16_t* const out)
{
    char16_t* next = out;
    auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        const unsigned b = *in++;
        uint16_t unit = cp932::tables::single[b];
        if (unit == NoCode) {
            if (in == end || b < 0x80)
                return -1;
            unit = cp932::tables::pair[(b - 0x80) << 8 | *in++];
            if (unit == NoCode)
                return -1;
        }
        *next++ = unit;
    }
    return next - out;
}

} // namespace

std::optional<QString> decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    // Short texts (every field of the data file) go through the stack, so that their strings
    // get exactly the room they need: Japanese takes two bytes for one unit.
    char16_t buffer[1024];
    if (size_t(bytes.size()) <= std::size(buffer)) {
        const qsizetype length = decodeInto(bytes, buffer);
        if (length < 0)
            return std::nullopt;
        return QString(reinterpret_cast<const QChar*>(buffer), length);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    const qsizetype length = decodeInto(bytes, reinterpret_cast<char16_t*>(text.data()));
    if (length < 0)
        return std::nullopt;
    text.truncate(length);
    return text;
}

char* encodeExactlyTo(QStringView text, char* out, uint64_t refused)
{
    for (const QChar c : text) {
        const uint16_t code = cp932::tables::code[c.unicode()];
        if (code == NoCode || (code < 64 && (refused >> code & 1)))
            return nullptr;
        if (code >= 0x100)
            *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
    }
    return out;
}

bool encodeExactly(QStringView text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size()); // at most two bytes per UTF-16 unit
    char* const end = encodeExactlyTo(text, out.data() + start);
    out.truncate(end ? end - out.constData() : start);
    return end != nullptr;
}

bool roundTrips(QStringView text)
{
    const uint16_t* const code = cp932::tables::code;
    for (const QChar c : text) {
        if (code[c.unicode()] == NoCode)
            return false;
    }
    return true;
}

} // namespace cp932
