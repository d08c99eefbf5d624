#pragma once

#include "platform/platform.h"

#include <QSet>
#include <QString>

#include <deque>
#include <map>
#include <vector>

// A platform that answers every question from a script and records what was asked, so
// handlers run with real widgets and no person at the screen.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        int style;
        QString title;
    };
    struct Prompt {
        QString prompt;
        QString title;
    };
    struct Launch {
        QString commandLine;
        QString workingDir;
    };
    struct EntryLaunch {
        QString entryFile;
        QString parameters;
        QString document;
        QString workingDir;
    };

    // Answers, taken from the front; an empty queue answers as closing the box would
    // (OK for an OK-only box, otherwise Cancel), an empty text, no menu choice, a cancelled
    // dialog.
    std::deque<int> answers;
    std::deque<QString> inputs;
    std::deque<QString> menuChoices;
    std::deque<std::optional<FileChoice>> files;
    std::deque<std::optional<int32_t>> colors;

    // What was asked.
    std::vector<Message> messages;
    std::vector<Prompt> prompts;
    std::vector<std::vector<MenuEntry>> menus;
    std::vector<std::optional<QPoint>> menuAnchors;  // where each menu opened; none: the pointer
    std::vector<QString> fileFilters;
    int colorDialogs = 0;
    std::vector<Launch> launches;
    std::vector<EntryLaunch> entryLaunches;
    std::vector<std::pair<QString, QString>> lookups;  // association lookups: file, folder
    std::vector<QString> directoryChanges;

    // The world as the handlers see it.
    std::map<std::pair<QString, int32_t>, QImage> icons;  // (file, index) -> icon
    QImage fallback;                                      // solid magenta unless set
    std::map<QString, QString> associations;              // file name -> program
    std::map<QString, EntrySummary> desktopEntries;       // entry file -> what it says
    QString folder = QStringLiteral("/opt/mosaro");
    QString dataDir;  // empty: the data file lives in folder
    QString cwd = QStringLiteral("/");
    QSet<QString> missingDirectories;
    QString startError;  // non-empty: every start fails with this
    std::optional<QPoint> menuAnchor;

    ScriptedPlatform();

    int messageBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    QString popupMenu(const std::vector<MenuEntry>& entries) override;
    void setMenuAnchor(std::optional<QPoint> screenPos) override { menuAnchor = screenPos; }
    std::optional<FileChoice> openFile(const QString& filter) override;
    std::optional<int32_t> chooseColor() override;
    void keepOutOfTaskBar(QWidget&) override {}
    QImage extractIcon(const QString& fileName, int32_t index, int pixelSize) override;
    QImage fallbackIcon(int pixelSize) override;
    QString findExecutable(const QString& fileName, const QString& directory) override;
    QString programFolder() override { return folder; }
    QString dataFolder() override { return dataDir.isEmpty() ? folder : dataDir; }
    QString currentDirectory() override { return cwd; }
    bool setCurrentDirectory(const QString& path) override;
    StartResult startCommandLine(const QString& commandLine, const QString& workingDir) override;
    StartResult startDesktopEntry(const QString& entryFile, const QString& parameters,
                                  const QString& document, const QString& workingDir) override;
    EntrySummary describeDesktopEntry(const QString& entryFile) override;
};

// A square image of one colour, for telling icons apart by their pixels.
QImage solidImage(QColor color, int size = 32);
