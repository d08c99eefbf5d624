#include "platform/desktop/desktop_platform.h"

#include "platform/desktop/icon_source.h"

#include <QCoreApplication>
#include <QDir>

DesktopPlatform::DesktopPlatform(const QString& dataFolder) : dataFolder_(dataFolder) {}

DesktopPlatform::~DesktopPlatform() = default;

QImage DesktopPlatform::extractIcon(const QString& fileName, int32_t index, int pixelSize)
{
    return extractIconImage(fileName, index, pixelSize);
}

QImage DesktopPlatform::fallbackIcon(int pixelSize)
{
    // The theme's answer does not change during a run; look it up once per size.
    QImage& icon = fallbackIcons_[pixelSize];
    if (icon.isNull())
        icon = genericProgramIcon(pixelSize);
    return icon;
}

QString DesktopPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString DesktopPlatform::dataFolder()
{
    return dataFolder_;
}

QString DesktopPlatform::currentDirectory()
{
    return QDir::currentPath();
}

bool DesktopPlatform::setCurrentDirectory(const QString& path)
{
    return QDir::setCurrent(path);
}
