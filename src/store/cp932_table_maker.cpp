// Writes the CP932 code tables (cp932_tables.h) as C++ source, from iconv, to the file named
// by its argument. Run at build time, so the program never builds them while it runs.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr uint16_t NoCode = 0xFFFF;

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

struct Tables {
    std::vector<uint16_t> single = std::vector<uint16_t>(256, NoCode);
    std::vector<uint16_t> pair = std::vector<uint16_t>(0x8000, NoCode);
    std::vector<uint16_t> code = std::vector<uint16_t>(0x10000, NoCode);
};

bool fillDecoding(Tables& t)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == iconv_t(-1))
        return false;
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
        t.single[b] = unit(in, 1);
    }
    for (unsigned lead = 0x80; lead < 256; ++lead) {
        if (t.single[lead] != NoCode)
            continue;
        for (unsigned trail = 0; trail < 256; ++trail) {
            const unsigned char in[2] = {static_cast<unsigned char>(lead),
                                         static_cast<unsigned char>(trail)};
            t.pair[(lead - 0x80) << 8 | trail] = unit(in, 2);
        }
    }
    iconv_close(cd);
    return true;
}

bool fillEncoding(Tables& t)
{
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    if (cd == iconv_t(-1))
        return false;
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
        const uint16_t back =
            bytes < 0x100 ? t.single[bytes] : bytes >= 0x8000 ? t.pair[bytes - 0x8000] : NoCode;
        if (back == c) // not U+301C, which iconv encodes to 0x8160, U+FF5E
            t.code[c] = bytes;
    }
    iconv_close(cd);
    return true;
}

void writeArray(FILE* out, const char* declaration, const std::vector<uint16_t>& values)
{
    std::fprintf(out, "%s = {", declaration);
    for (size_t i = 0; i < values.size(); ++i)
        std::fprintf(out, "%s0x%04X,", i % 16 ? "" : "\n", values[i]);
    std::fprintf(out, "\n};\n");
}

} // namespace

int main(int argc, char* argv[])
{
    Tables t;
    if (argc != 2 || !fillDecoding(t) || !fillEncoding(t)) {
        std::fprintf(stderr, "cp932_table_maker: iconv offers no CP932 converter\n");
        return 1;
    }
    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    std::fprintf(out, "// Written by cp932_table_maker; do not edit.\n"
                      "#include \"store/cp932_tables.h\"\n\nnamespace cp932::tables {\n");
    writeArray(out, "const uint16_t single[256]", t.single);
    writeArray(out, "const uint16_t pair[0x8000]", t.pair);
    writeArray(out, "const uint16_t code[0x10000]", t.code);
    std::fprintf(out, "} // namespace cp932::tables\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
