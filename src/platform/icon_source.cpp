#include "platform/icon_source.h"

#include "platform/builtin_icons.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>

QImage extractIconImage(const QString& fileName, int32_t index, int pixelSize)
{
    // Image files hold exactly one icon.
    if (index != 0 || fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return {};
    QImageReader reader(fileName);
    reader.setAutoDetectImageFormat(true);
    if (!reader.canRead())
        return {};
    if (reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(QSize(pixelSize, pixelSize));
    return reader.read();
}

QImage genericProgramIcon(int pixelSize)
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (!themed.isNull()) {
        const QImage image = themed.pixmap(QSize(pixelSize, pixelSize), 1.0).toImage();
        if (!image.isNull())
            return image;
    }
    return builtinProgramIcon(pixelSize);
}
