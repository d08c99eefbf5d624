#include "store/cp932.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <iterator>
#include <vector>

// The tables are filled once from the system's iconv, whose CP932 mapping (including which of
// several duplicate codes a character gets) is the one Windows uses; converting through them
// is then a lookup per byte or character instead of an iconv call per text.

namespace {

constexpr uint16_t NoCode = 0xFFFF; // no byte pair starts with 0xFF, no text uses U+FFFF

// One conversion of a short sequence; false when iconv refuses it.
bool convert(iconv_t cd, const unsigned char* in, size_t inLength, unsigned char* out,
             size_t& outLength)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    auto* inPtr = reinterpret_cast<char*>(const_cast<unsigned char*>(in));
    auto* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = inLength;
    size_t outLeft = outLength;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return false;
    outLength -= outLeft;
    return true;
}

struct DecodeTable {
    bool available = false;
    std::array<uint16_t, 256> single; // NoCode: a lead byte or no character
    std::vector<uint16_t> pair;       // indexed lead << 8 | trail

    DecodeTable() : pair(0x10000, NoCode)
    {
        single.fill(NoCode);
        iconv_t cd = iconv_open("UTF-16LE", "CP932");
        if (cd == iconv_t(-1))
            return;
        available = true;
        unsigned char out[8];
        // A sequence decodes to one UTF-16 unit, or it is not taken.
        auto unit = [&](const unsigned char* in, size_t length) -> uint16_t {
            size_t outLength = sizeof out;
            if (!convert(cd, in, length, out, outLength) || outLength != 2)
                return NoCode;
            return uint16_t(out[0] | out[1] << 8);
        };
        for (unsigned b = 0; b < 256; ++b) {
            const unsigned char in[1] = {static_cast<unsigned char>(b)};
            single[b] = unit(in, 1);
        }
        for (unsigned lead = 0x80; lead < 256; ++lead) {
            if (single[lead] != NoCode)
                continue;
            for (unsigned trail = 0; trail < 256; ++trail) {
                const unsigned char in[2] = {static_cast<unsigned char>(lead),
                                             static_cast<unsigned char>(trail)};
                pair[lead << 8 | trail] = unit(in, 2);
            }
        }
        iconv_close(cd);
    }
};

struct EncodeTable {
    // Per UTF-16 unit: one byte (< 0x100), a byte pair, or NoCode. Only codes that read back as
    // the same unit are here (not U+301C, which iconv encodes to 0x8160, U+FF5E), so the table
    // also answers whether a text round-trips.
    std::vector<uint16_t> code;

    explicit EncodeTable(const DecodeTable& decoding) : code(0x10000, NoCode)
    {
        iconv_t cd = iconv_open("CP932", "UTF-16LE");
        if (cd == iconv_t(-1))
            return;
        unsigned char out[8];
        for (unsigned c = 0; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue; // a lone surrogate is no character
            const unsigned char in[2] = {static_cast<unsigned char>(c & 0xFF),
                                         static_cast<unsigned char>(c >> 8)};
            size_t length = sizeof out;
            if (!convert(cd, in, 2, out, length) || length > 2)
                continue;
            const uint16_t bytes = length == 1 ? out[0] : uint16_t(out[0] << 8 | out[1]);
            const uint16_t back = bytes < 0x100 ? decoding.single[bytes] : decoding.pair[bytes];
            if (back == c)
                code[c] = bytes;
        }
        iconv_close(cd);
    }
};

const DecodeTable& decodeTable()
{
    static const DecodeTable table;
    return table;
}

const EncodeTable& encodeTable()
{
    static const EncodeTable table(decodeTable());
    return table;
}

} // namespace

namespace cp932 {

bool available()
{
    return decodeTable().available;
}

namespace {

// Decodes into out, which has room for one unit per byte; the number of units, or -1.
qsizetype decodeInto(const DecodeTable& table, QByteArrayView bytes, char16_t* const out)
{
    char16_t* next = out;
    auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        const unsigned b = *in++;
        uint16_t unit = table.single[b];
        if (unit == NoCode) {
            if (in == end)
                return -1;
            unit = table.pair[b << 8 | *in++];
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
    const DecodeTable& table = decodeTable();
    // Short texts (every field of the data file) go through the stack, so that their strings
    // get exactly the room they need: Japanese takes two bytes for one unit.
    char16_t buffer[1024];
    if (size_t(bytes.size()) <= std::size(buffer)) {
        const qsizetype length = decodeInto(table, bytes, buffer);
        if (length < 0)
            return std::nullopt;
        return QString(reinterpret_cast<const QChar*>(buffer), length);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    const qsizetype length = decodeInto(table, bytes, reinterpret_cast<char16_t*>(text.data()));
    if (length < 0)
        return std::nullopt;
    text.truncate(length);
    return text;
}

bool encodeExactly(QStringView text, QByteArray& out)
{
    const uint16_t* const codes = encodeTable().code.data();
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size()); // at most two bytes per UTF-16 unit
    char* const begin = out.data() + start;
    char* next = begin;
    bool ok = true;
    for (const QChar c : text) {
        const uint16_t code = codes[c.unicode()];
        if (code == NoCode) {
            ok = false;
            break;
        }
        if (code >= 0x100)
            *next++ = char(code >> 8);
        *next++ = char(code & 0xFF);
    }
    out.truncate(start + (next - begin));
    return ok;
}

bool roundTrips(QStringView text)
{
    const std::vector<uint16_t>& code = encodeTable().code;
    for (const QChar c : text) {
        if (code[c.unicode()] == NoCode)
            return false;
    }
    return true;
}

} // namespace cp932
