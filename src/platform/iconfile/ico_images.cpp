#include "platform/iconfile/ico_images.h"

#include "platform/iconfile/pe_resources.h"

namespace {

constexpr uint16_t IconType = 1;
constexpr uint64_t DirectoryHeaderSize = 6;
constexpr uint64_t FileEntrySize = 16;
constexpr uint64_t GroupEntrySize = 14;

int sideLength(uint8_t stored)
{
    return stored == 0 ? 256 : stored;
}

// Colour depth in bits; old directories leave bitCount 0 and give a palette size instead.
int colourBits(ByteView entry)
{
    const uint16_t bits = *entry.u16(6);
    if (bits != 0)
        return bits > 32 ? 32 : bits;
    const uint8_t colours = *entry.u8(2);
    int depth = 0;
    while (depth < 8 && (1 << depth) < colours)
        ++depth;
    return colours == 0 ? 8 : depth;
}

IconImage describe(ByteView entry, ByteView bytes)
{
    return {sideLength(*entry.u8(0)), sideLength(*entry.u8(1)), colourBits(entry), bytes};
}

std::optional<uint16_t> imageCount(ByteView directory)
{
    const auto reserved = directory.u16(0);
    const auto type = directory.u16(2);
    const auto count = directory.u16(4);
    if (!reserved || !type || !count || *reserved != 0 || *type != IconType || *count == 0)
        return std::nullopt;
    return count;
}

// The images a directory lists, each entry entrySize bytes long; bytesOf finds an entry's
// image. None when the directory or any of its images is damaged.
template <typename BytesOf>
std::optional<std::vector<IconImage>> readDirectory(ByteView directory, uint64_t entrySize,
                                                    BytesOf bytesOf)
{
    const auto count = imageCount(directory);
    if (!count)
        return std::nullopt;
    std::vector<IconImage> images;
    for (uint64_t i = 0; i < *count; ++i) {
        const auto entry = directory.sub(DirectoryHeaderSize + entrySize * i, entrySize);
        if (!entry)
            return std::nullopt;
        const std::optional<ByteView> bytes = bytesOf(*entry);
        if (!bytes || bytes->size() == 0)
            return std::nullopt;
        images.push_back(describe(*entry, *bytes));
    }
    return images;
}

} // namespace

bool isIcoFile(ByteView file)
{
    return imageCount(file).has_value();
}

std::optional<std::vector<IconImage>> readIcoFile(ByteView file)
{
    return readDirectory(file, FileEntrySize, [&file](ByteView entry) {
        return file.sub(*entry.u32(12), *entry.u32(8));
    });
}

std::optional<std::vector<IconImage>> readIconGroup(ByteView group,
                                                    const PeIconResources& resources)
{
    return readDirectory(group, GroupEntrySize, [&resources](ByteView entry) {
        const PeResource* icon = resources.iconById(*entry.u16(12));
        return icon ? std::optional<ByteView>(icon->data) : std::nullopt;
    });
}

size_t chooseIconImage(const std::vector<IconImage>& images, int pixelSize)
{
    // Smaller is better: exact sizes first, then larger ones by how much larger, then smaller
    // ones by how much smaller; within a size, more colours first.
    auto rank = [pixelSize](const IconImage& image) {
        const int side = image.width > image.height ? image.width : image.height;
        int distance = 0;
        if (side > pixelSize)
            distance = side - pixelSize;
        else if (side < pixelSize)
            distance = 1000 + pixelSize - side;
        return int64_t(distance) * 64 - image.bitCount;
    };
    size_t best = 0;
    for (size_t i = 1; i < images.size(); ++i) {
        if (rank(images[i]) < rank(images[best]))
            best = i;
    }
    return best;
}

bool isPngImage(ByteView image)
{
    return image.startsWith("\x89PNG\r\n\x1a\n", 8);
}

std::optional<PixelSize> pngSize(ByteView image)
{
    const auto header = image.sub(0, 24);
    if (!isPngImage(image) || !header || !header->sub(12, 4)->startsWith("IHDR", 4))
        return std::nullopt;
    auto bigEndian = [&](uint64_t offset) {
        return uint32_t(*header->u8(offset)) << 24 | uint32_t(*header->u8(offset + 1)) << 16
               | uint32_t(*header->u8(offset + 2)) << 8 | uint32_t(*header->u8(offset + 3));
    };
    return PixelSize{bigEndian(16), bigEndian(20)};
}
