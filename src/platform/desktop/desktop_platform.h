#pragma once

#include "platform/platform.h"

#include <map>

// The platform on a Linux desktop: Qt dialogs, icon files, XDG associations, real processes.
class DesktopPlatform : public Platform {
public:
    explicit DesktopPlatform(const QString& dataFolder);
    ~DesktopPlatform() override;

    int messageBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    QString popupMenu(const std::vector<MenuEntry>& entries) override;
    void setMenuAnchor(std::optional<QPoint> screenPos) override { menuAnchor_ = screenPos; }
    std::optional<FileChoice> openFile(const QString& filter) override;
    std::optional<int32_t> chooseColor() override;
    void keepOutOfTaskBar(QWidget& window) override;

    QImage extractIcon(const QString& fileName, int32_t index, int pixelSize) override;
    QImage fallbackIcon(int pixelSize) override;
    QString findExecutable(const QString& fileName, const QString& directory) override;

    QString programFolder() override;
    QString dataFolder() override;
    QString currentDirectory() override;
    bool setCurrentDirectory(const QString& path) override;
    StartResult startCommandLine(const QString& commandLine, const QString& workingDir) override;
    StartResult startDesktopEntry(const QString& entryFile, const QString& parameters,
                                  const QString& document, const QString& workingDir) override;
    EntrySummary describeDesktopEntry(const QString& entryFile) override;

private:
    QString dataFolder_;
    std::map<int, QImage> fallbackIcons_;
    std::optional<QPoint> menuAnchor_;
};
