#include "editing/draw_item_icon.h"

#include "platform/widgets/pic_box.h"
#include "platform/platform.h"

#include <cmath>

namespace {
constexpr int IconSize = 32;
}

void DrawItemIcon(PicBox& target, const int32_t& iconNo, const QString& fileName,
                  Platform& platform)
{
    const int pixels = int(std::ceil(IconSize * target.devicePixelRatioF()));
    QImage icon = platform.extractIcon(fileName, iconNo, pixels);
    if (icon.isNull())
        icon = platform.fallbackIcon(pixels);
    if (!icon.isNull())
        target.drawPersistent(icon, IconSize);
}
