#pragma once

#include "platform/iconfile/byte_view.h"

#include <cstdint>
#include <optional>
#include <vector>

// An icon image in memory: top row first, 0xAARRGGBB without premultiplied alpha.
struct DecodedIcon {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
};

// Decodes an uncompressed icon DIB (1, 4, 8, 24 or 32 bits, colour rows then the AND mask),
// at most 256 x 256. 32-bit images keep their alpha; when every alpha byte is 0 the image
// predates alpha and the mask decides. Nothing for anything damaged or out of range.
std::optional<DecodedIcon> decodeDibIcon(ByteView image);
