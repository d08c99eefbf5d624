#include "platform/desktop/desktop_platform.h"

#include "platform/desktop/association.h"
#include "platform/desktop/command_split.h"
#include "platform/desktop/data_location.h"
#include "platform/desktop/entry_start.h"
#include "platform/desktop/file_dialogs.h"
#include "platform/desktop/icon_source.h"
#include "platform/desktop/modal_ui.h"
#include "platform/desktop/program_icon_cache.h"
#include "platform/desktop/program_start.h"
#include "platform/desktop/task_bar.h"

#include <QCursor>
#include <QDir>

DesktopPlatform::DesktopPlatform(const QString& dataFolder) : dataFolder_(dataFolder) {}

DesktopPlatform::~DesktopPlatform() = default;

int DesktopPlatform::messageBox(const QString& text, int style, const QString& title)
{
    return showMessageBox(text, style, title);
}

QString DesktopPlatform::inputBox(const QString& prompt, const QString& title)
{
    return askForText(prompt, title);
}

QString DesktopPlatform::popupMenu(const std::vector<MenuEntry>& entries)
{
    return showPopupMenu(entries, menuAnchor_.value_or(QCursor::pos()));
}

std::optional<FileChoice> DesktopPlatform::openFile(const QString& filter)
{
    return chooseFileToOpen(filter);
}

std::optional<int32_t> DesktopPlatform::chooseColor()
{
    return chooseColorBgr();
}

void DesktopPlatform::keepOutOfTaskBar(QWidget& window)
{
    ::keepOutOfTaskBar(window);
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
        icon = cachedGenericProgramIcon(pixelSize);
    return icon;
}

QString DesktopPlatform::findExecutable(const QString& fileName, const QString& directory)
{
    return associatedProgram(fileName, directory);
}

QString DesktopPlatform::programFolder()
{
    return runningProgramFolder();
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

StartResult DesktopPlatform::startCommandLine(const QString& commandLine,
                                              const QString& workingDir)
{
    return startDetached(commandLine, workingDir);
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
