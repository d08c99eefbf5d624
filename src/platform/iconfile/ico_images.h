#pragma once

#include "platform/iconfile/byte_view.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct PeIconResources;

// One image of an icon as its directory describes it; bytes are a DIB or a PNG.
struct IconImage {
    int width = 0; // a stored 0 means 256
    int height = 0;
    int bitCount = 0;
    ByteView bytes;
};

// Reserved 0, type 1 (icon, not cursor) and at least one image.
bool isIcoFile(ByteView file);

// The images of an .ico file; nothing when the directory or an image lies outside the file.
std::optional<std::vector<IconImage>> readIcoFile(ByteView file);

// The images an RT_GROUP_ICON names, looked up among the RT_ICON resources; nothing when the
// group is damaged or names an image the file does not hold.
std::optional<std::vector<IconImage>> readIconGroup(ByteView group,
                                                    const PeIconResources& resources);

// The image best for pixelSize square: the exact size with the most colours, else the next
// larger, else the largest. images must not be empty.
size_t chooseIconImage(const std::vector<IconImage>& images, int pixelSize);

bool isPngImage(ByteView image);
struct PixelSize {
    uint32_t width;
    uint32_t height;
};
// Width and height from a PNG's header, without decoding it.
std::optional<PixelSize> pngSize(ByteView image);
