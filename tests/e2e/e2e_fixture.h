#pragma once

#include "support/x_server.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

// The built program copied into a folder of its own, beside a data file the test prepares,
// started on a private X server and driven with xdotool.
class E2eTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder holding the program copy and its Mosaro.dat.
    QString folder() const { return dir_->path(); }
    QString dataFile() const { return folder() + "/Mosaro.dat"; }
    void writeDataFile(const QByteArray& bytes);
    QByteArray readDataFile() const;

    // Starts the program copy (or another program given by path, with arguments and extra
    // environment); returns the process.
    QProcess* start(const QString& program = {}, const QStringList& arguments = {},
                    const QProcessEnvironment& extraEnvironment = {});
    // Waits for a visible window whose name matches the regular expression; its X id or empty.
    QString waitForWindow(const QString& namePattern, int timeoutMs = 10000);
    QString windowName(const QString& windowId);
    // Whether the window asks the window manager to leave it out of the task bar.
    bool skipsTaskBar(const QString& windowId) const
    {
        return tool("xprop", {"-id", windowId, "_NET_WM_STATE"})
            .contains("_NET_WM_STATE_SKIP_TASKBAR");
    }
    // Waits until no visible window matches; false on timeout.
    bool waitForNoWindow(const QString& namePattern, int timeoutMs = 5000);
    // Waits until a popup menu of the program is open; false on timeout.
    bool waitForPopupMenu(int timeoutMs = 10000);
    // The colour of a window's pixel once it shows `expected` (or the last one seen when the
    // time is up): the program has painted that far.
    QColor waitForColour(const QString& windowId, QPoint at, QColor expected,
                         int timeoutMs = 10000);
    // The main window of the program started first (waits for it).
    QString mainWindow();

    // Pointer and keyboard, in window coordinates (device-independent pixels). An empty
    // window id sends keys to whatever holds the keyboard (a popup menu, a message box).
    void focus(const QString& windowId);
    void click(const QString& windowId, int x, int y, int button = 1,
               const QString& modifiers = {});
    void clickSlot(int slot, int button = 1, const QString& modifiers = {});
    void keys(const QString& windowId, const QStringList& keyNames);
    // ASCII is typed key by key; anything else is pasted, as an input method commits it.
    void typeText(const QString& windowId, const QString& text);
    // Puts text on the test server's clipboard; false when it did not get there in time.
    bool setClipboard(const QString& text);

    // Sends a signal and waits for the process to end; its exit code, or -1 on timeout.
    int stop(QProcess* process, int signal, int timeoutMs = 10000);
    int waitForExit(QProcess* process, int timeoutMs = 10000);
    static bool isRunning(QProcess* process)
    {
        process->waitForFinished(0);  // takes note of an exit that already happened
        return process->state() != QProcess::NotRunning;
    }
    // Runs a command-line tool against the test's X server; what it printed.
    QString tool(const QString& program, const QStringList& args) const;

    std::unique_ptr<XServer> server_;
    std::unique_ptr<QTemporaryDir> dir_;
    // The program's cache folder: what it keeps there stays with the test.
    QTemporaryDir cache_;
    QString program_;
    std::vector<std::unique_ptr<QProcess>> processes_;
    int clicksSent_ = 0;
};
