#include "platform/desktop/icon_source.h"

#include "platform/widgets/builtin_icons.h"
#include "platform/desktop/desktop_icons.h"
#include "platform/iconfile/dib_icon.h"
#include "platform/iconfile/icon_container.h"
#include "platform/desktop/mapped_file.h"
#include "store/item_kind.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <algorithm>

namespace {

// Icon images are at most 256 square; a PNG claiming more is refused before it is decoded.
constexpr uint32_t MaxPngSide = 1024;

// An icon of another size is stretched to fill the icon box, as DrawIcon does: one scaling,
// straight to the square, whatever its proportions.
QImage fitted(const QImage& image, int pixelSize)
{
    if (image.isNull() || (image.width() == pixelSize && image.height() == pixelSize))
        return image;
    return image.scaled(pixelSize, pixelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage toImage(const DecodedIcon& icon)
{
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
        std::copy_n(icon.argb.begin() + ptrdiff_t(y) * icon.width, icon.width, line);
    }
    return image;
}

QImage decodeIconImage(const IconImage& image)
{
    if (isPngImage(image.bytes)) {
        const auto size = pngSize(image.bytes);
        if (!size || size->width == 0 || size->height == 0 || size->width > MaxPngSide
            || size->height > MaxPngSide)
            return {};
        return QImage::fromData(image.bytes.data(), int(image.bytes.size()), "PNG");
    }
    const auto icon = decodeDibIcon(image.bytes);
    return icon ? toImage(*icon) : QImage();
}

QImage containerIcon(ByteView file, int32_t index, int pixelSize)
{
    const auto images = iconImagesAt(file, index);
    if (!images || images->empty())
        return {};
    return fitted(decodeIconImage((*images)[chooseIconImage(*images, pixelSize)]), pixelSize);
}

QImage readableImage(const QString& fileName, int pixelSize)
{
    QImageReader reader(fileName);
    if (!reader.canRead())
        return {};
    if (reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(QSize(pixelSize, pixelSize)); // vector images: draw at the size
    return fitted(reader.read(), pixelSize);
}

// An .ico or image file named by a desktop entry; never another entry or a program, so a
// chain of entries cannot loop.
QImage pictureFileIcon(const QString& path, int pixelSize)
{
    const MappedFile file(path);
    if (!file.isOpen())
        return {};
    if (iconContainerOf(file.view()) == IconContainer::Ico)
        return containerIcon(file.view(), 0, pixelSize);
    return readableImage(path, pixelSize);
}

// A theme icon name or an absolute image path, as desktop entries give them.
QImage namedIcon(const QString& icon, int pixelSize)
{
    if (icon.isEmpty())
        return {};
    if (QFileInfo(icon).isAbsolute())
        return pictureFileIcon(icon, pixelSize);
    const QIcon themed = QIcon::fromTheme(icon);
    if (themed.isNull())
        return {};
    return fitted(themed.pixmap(QSize(pixelSize, pixelSize), 1.0).toImage(), pixelSize);
}

QByteArrayView asBytes(ByteView view)
{
    return QByteArrayView(view.data(), qsizetype(view.size()));
}

// The desktop entries are indexed only for a native program: most icons never need them.
template <typename Programs>
QImage iconOf(const QString& fileName, int32_t index, int pixelSize, const Programs& programs)
{
    const MappedFile file(fileName);
    if (!file.isOpen())
        return {};
    if (iconContainerOf(file.view()) != IconContainer::None)
        return containerIcon(file.view(), index, pixelSize);
    if (index != 0)
        return {};
    if (fileName.endsWith(QLatin1String(".desktop")))
        return namedIcon(desktopEntryIcon(fileName), pixelSize);
    if (hasProgramSignature(asBytes(file.view())))
        return namedIcon(programs().iconFor(fileName), pixelSize);
    return readableImage(fileName, pixelSize);
}

} // namespace

QImage extractIconImage(const QString& fileName, int32_t index, int pixelSize,
                        const DesktopEntryIndex& programs)
{
    return iconOf(fileName, index, pixelSize, [&programs]() -> const DesktopEntryIndex& {
        return programs;
    });
}

QImage extractIconImage(const QString& fileName, int32_t index, int pixelSize)
{
    return iconOf(fileName, index, pixelSize, processDesktopEntryIndex);
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
