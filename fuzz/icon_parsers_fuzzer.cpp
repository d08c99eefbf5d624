// Feeds arbitrary bytes to the PE, ICO and DIB readers the way icon extraction uses them.
#include "platform/iconfile/dib_icon.h"
#include "platform/iconfile/icon_container.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ByteView file(data, size);
    for (int32_t index : {0, 1, 2, 4, -1, -3, -7, -42, INT32_MIN}) {
        const auto images = iconImagesAt(file, index);
        if (!images || images->empty())
            continue;
        for (int pixelSize : {16, 32, 64}) {
            const IconImage& best = (*images)[chooseIconImage(*images, pixelSize)];
            if (isPngImage(best.bytes))
                pngSize(best.bytes);
            else
                decodeDibIcon(best.bytes);
        }
    }
    decodeDibIcon(file); // lets the fuzzer reach the image decoder directly
    return 0;
}
