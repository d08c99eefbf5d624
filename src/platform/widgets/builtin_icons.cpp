#include "platform/widgets/builtin_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage builtinProgramIcon(int pixelSize)
{
    QImage image = blank(pixelSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixelSize / 32.0, pixelSize / 32.0);
    p.setPen(QPen(QColor(40, 40, 48), 1.5));
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(QRectF(3, 5, 26, 22), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 101, 164));
    p.drawRect(QRectF(3.75, 5.75, 24.5, 5));
    p.setBrush(QColor(115, 210, 22));
    QPainterPath play;
    play.moveTo(13, 14);
    play.lineTo(21, 19);
    play.lineTo(13, 24);
    play.closeSubpath();
    p.drawPath(play);
    return image;
}

QImage mosaroWindowIcon(int pixelSize)
{
    QImage image = blank(pixelSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixelSize / 32.0, pixelSize / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 64, 64));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    const QColor tiles[] = {QColor(224, 224, 224), QColor(245, 194, 17), QColor(98, 160, 234),
                            QColor(224, 224, 224), QColor(87, 227, 137), QColor(224, 224, 224)};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(tiles[i]);
        p.drawRoundedRect(QRectF(4 + (i % 3) * 8.5, 6 + (i / 3) * 11, 7, 9), 1.5, 1.5);
    }
    return image;
}
