#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

// Message box styles and answers, with the numbers the handlers are written in.
namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Stop = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
}  // namespace MsgStyle

namespace MsgAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Retry = 4;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace MsgAnswer

// One entry of a popup menu; a separator has the caption "-" and no name.
struct MenuEntry {
    QString name;
    QString caption;
    bool enabled = true;
};

struct FileChoice {
    QString fullPath;
};

struct StartResult {
    bool started = false;
    QString error;  // why it did not start, for the user
};

// What a desktop entry says about itself; empty texts where it says nothing or is unreadable.
struct EntrySummary {
    QString name;    // the Japanese name when it has one
    QString folder;  // the folder its program wants to start in
};

// Everything the forms need from the desktop and the operating system. Handlers reach the
// outside world only through this, so tests can answer every question from a script.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal questions. messageBox returns 1 OK, 2 Cancel, 4 Retry, 6 Yes, 7 No.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // The typed text; empty on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title) = 0;
    // Opens at the pointer; the chosen entry's name, or empty when closed without a choice.
    virtual QString popupMenu(const std::vector<MenuEntry>& entries) = 0;
    // Where the popup menus open from now on instead of at the pointer, in screen coordinates;
    // none: at the pointer again. For menus asked for from the keyboard.
    virtual void setMenuAnchor(std::optional<QPoint> screenPos) = 0;
    // filter is "description|pattern|description|pattern..."; nullopt when cancelled.
    virtual std::optional<FileChoice> openFile(const QString& filter) = 0;
    // 0x00BBGGRR; nullopt when cancelled.
    virtual std::optional<int32_t> chooseColor() = 0;
    // Asks the window manager to leave a dialog out of the task bar; before it is first shown.
    virtual void keepOutOfTaskBar(QWidget& window) = 0;

    // Icon number `index` of `fileName`, about pixelSize square; a null image when the file
    // gives none.
    virtual QImage extractIcon(const QString& fileName, int32_t index, int pixelSize) = 0;
    // The generic program icon shown when a file gives no icon.
    virtual QImage fallbackIcon(int pixelSize) = 0;
    // What opens documents named like fileName, as an absolute path: the desktop entry of the
    // default application (started with startDesktopEntry); empty if none.
    virtual QString findExecutable(const QString& fileName, const QString& directory) = 0;

    // The folder that holds the running program, without a trailing "/".
    virtual QString programFolder() = 0;
    // The folder that holds the data file, without a trailing "/": the program folder, or the
    // user's data folder when the program folder is not writable. It does not change in a run.
    virtual QString dataFolder() = 0;
    virtual QString currentDirectory() = 0;
    virtual bool setCurrentDirectory(const QString& path) = 0;
    // Starts a command line detached in workingDir (empty: the current folder); never waits.
    virtual StartResult startCommandLine(const QString& commandLine,
                                         const QString& workingDir) = 0;

    // A desktop entry stands where a program file would. Starts its application detached in
    // workingDir with the words of parameters, then the document if one is given, as its
    // file or URL arguments; never through a shell.
    virtual StartResult startDesktopEntry(const QString& entryFile, const QString& parameters,
                                          const QString& document,
                                          const QString& workingDir) = 0;
    virtual EntrySummary describeDesktopEntry(const QString& entryFile) = 0;
};
