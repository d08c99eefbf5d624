#include "platform/desktop/desktop_platform.h"

#include "platform/desktop/command_split.h"
#include "platform/desktop/entry_start.h"
#include "platform/desktop/icon_source.h"
#include "platform/desktop/instance_lock.h"

#include <QCoreApplication>
#include <QDir>

#include <unistd.h>

DesktopPlatform::DesktopPlatform() = default;

DesktopPlatform::~DesktopPlatform()
{
    if (instanceLock_ >= 0)
        ::close(instanceLock_);
}

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

bool DesktopPlatform::claimSingleInstance()
{
    if (instanceLock_ >= 0)
        return true;
    const int fd = lockProgramFile(QCoreApplication::applicationFilePath());
    if (fd == LockHeldElsewhere)
        return false;
    instanceLock_ = fd;
    return true;
}

QString DesktopPlatform::currentDirectory()
{
    return QDir::currentPath();
}

bool DesktopPlatform::setCurrentDirectory(const QString& path)
{
    return QDir::setCurrent(path);
}

StartResult DesktopPlatform::startDesktopEntry(const QString& entryFile, const QString& parameters,
                                               const QString& document, const QString& workingDir)
{
    QStringList arguments = splitArguments(parameters);
    if (!document.isEmpty())
        arguments << document;
    return startDesktopEntryFile(entryFile, arguments, workingDir);
}

EntrySummary DesktopPlatform::describeDesktopEntry(const QString& entryFile)
{
    return summarizeDesktopEntry(entryFile);
}
