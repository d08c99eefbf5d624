#include "platform/iconfile/dib_icon.h"

namespace {

constexpr int MaxSide = 256;
constexpr uint32_t UncompressedRgb = 0;

uint64_t rowBytes(uint64_t width, uint64_t bits)
{
    return (width * bits + 31) / 32 * 4;
}

struct Layout {
    int width;
    int height;
    int bits;
    ByteView palette;
    ByteView colours;
    std::optional<ByteView> mask; // some 32-bit images leave it out
};

std::optional<Layout> readLayout(ByteView image)
{
    const auto headerSize = image.u32(0);
    const auto width = image.i32(4);
    const auto doubledHeight = image.i32(8);
    const auto bits = image.u16(14);
    const auto compression = image.u32(16);
    const auto paletteUsed = image.u32(32);
    if (!headerSize || *headerSize < 40 || !width || !doubledHeight || !bits || !compression
        || !paletteUsed || *compression != UncompressedRgb)
        return std::nullopt;
    const int height = *doubledHeight / 2;
    if (*width < 1 || *width > MaxSide || height < 1 || height > MaxSide)
        return std::nullopt;
    if (*bits != 1 && *bits != 4 && *bits != 8 && *bits != 24 && *bits != 32)
        return std::nullopt;

    uint64_t paletteSize = 0;
    if (*bits <= 8) {
        const uint64_t full = uint64_t(1) << *bits;
        paletteSize = *paletteUsed == 0 ? full : *paletteUsed;
        if (paletteSize > full)
            return std::nullopt;
    }
    const auto palette = image.sub(*headerSize, 4 * paletteSize);
    const uint64_t coloursAt = uint64_t(*headerSize) + 4 * paletteSize;
    const uint64_t coloursSize = rowBytes(uint64_t(*width), *bits) * uint64_t(height);
    const auto colours = image.sub(coloursAt, coloursSize);
    if (!palette || !colours)
        return std::nullopt;
    const auto mask =
        image.sub(coloursAt + coloursSize, rowBytes(uint64_t(*width), 1) * uint64_t(height));
    if (!mask && *bits != 32)
        return std::nullopt;
    return Layout{*width, height, *bits, *palette, *colours, mask};
}

// The colour of pixel x in one row, as 0x00RRGGBB, plus the alpha byte of 32-bit rows.
uint32_t rgbAt(const Layout& layout, ByteView row, int x, uint8_t& alpha)
{
    alpha = 0;
    switch (layout.bits) {
    case 32: alpha = *row.u8(4 * uint64_t(x) + 3); [[fallthrough]];
    case 24: {
        const uint64_t at = uint64_t(x) * uint64_t(layout.bits / 8);
        return uint32_t(*row.u8(at + 2)) << 16 | uint32_t(*row.u8(at + 1)) << 8 | *row.u8(at);
    }
    default: {
        const uint64_t bitOffset = uint64_t(x) * uint64_t(layout.bits);
        const uint8_t byte = *row.u8(bitOffset / 8);
        const int shift = 8 - layout.bits - int(bitOffset % 8);
        const uint32_t index = (byte >> shift) & ((1u << layout.bits) - 1);
        const auto entry = layout.palette.u32(4 * uint64_t(index));
        return entry ? (*entry & 0x00FFFFFFu) : 0; // an index past a short palette: black
    }
    }
}

bool maskSaysTransparent(const Layout& layout, int x, int sourceRow)
{
    if (!layout.mask)
        return false;
    const uint64_t stride = rowBytes(uint64_t(layout.width), 1);
    const uint8_t byte = *layout.mask->u8(stride * uint64_t(sourceRow) + uint64_t(x) / 8);
    return (byte >> (7 - x % 8)) & 1;
}

} // namespace

std::optional<DecodedIcon> decodeDibIcon(ByteView image)
{
    const auto layout = readLayout(image);
    if (!layout)
        return std::nullopt;
    DecodedIcon icon;
    icon.width = layout->width;
    icon.height = layout->height;
    icon.argb.resize(size_t(layout->width) * size_t(layout->height));

    const uint64_t stride = rowBytes(uint64_t(layout->width), uint64_t(layout->bits));
    bool anyAlpha = false;
    for (int y = 0; y < layout->height; ++y) {
        const int sourceRow = layout->height - 1 - y; // stored bottom-up
        const ByteView row = *layout->colours.sub(stride * uint64_t(sourceRow), stride);
        for (int x = 0; x < layout->width; ++x) {
            uint8_t alpha = 0;
            const uint32_t rgb = rgbAt(*layout, row, x, alpha);
            anyAlpha = anyAlpha || alpha != 0;
            icon.argb[size_t(y) * size_t(layout->width) + size_t(x)] = uint32_t(alpha) << 24 | rgb;
        }
    }
    if (layout->bits == 32 && anyAlpha)
        return icon;
    for (int y = 0; y < layout->height; ++y) {
        for (int x = 0; x < layout->width; ++x) {
            uint32_t& pixel = icon.argb[size_t(y) * size_t(layout->width) + size_t(x)];
            const bool clear = maskSaysTransparent(*layout, x, layout->height - 1 - y);
            pixel = (pixel & 0x00FFFFFFu) | (clear ? 0u : 0xFF000000u);
        }
    }
    return icon;
}
