#include "e2e/e2e_fixture.h"

#include "support/files.h"
#include "support/processes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

#include <csignal>
#include <unistd.h>

void E2eTest::SetUp()
{
    server_ = std::make_unique<XServer>();
    ASSERT_TRUE(server_->running()) << "Xvfb could not be started";
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    program_ = folder() + "/mosaro";
    ASSERT_TRUE(QFile::copy(MOSARO_EXE, program_));
    QFile(program_).setPermissions(QFile::permissions(MOSARO_EXE));
}

void E2eTest::TearDown()
{
    for (auto& process : processes_) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    processes_.clear();
    server_.reset();
}

void E2eTest::writeDataFile(const QByteArray& bytes)
{
    ASSERT_TRUE(writeFile(dataFile(), bytes));
}

QByteArray E2eTest::readDataFile() const
{
    return readFile(dataFile());
}

QString E2eTest::tool(const QString& program, const QStringList& args) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server_->display());
    return QString::fromUtf8(runTool(program, args, environment, 15000).output).trimmed();
}

QProcess* E2eTest::start(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& extraEnvironment)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", server_->display());
    env.insert("XDG_CACHE_HOME", cache_.path());
    env.remove("QT_QPA_PLATFORM");
    env.insert(extraEnvironment);
    process->setProcessEnvironment(env);
    process->setProgram(program.isEmpty() ? program_ : program);
    process->setArguments(arguments);
    // Started from elsewhere: the program must find its data file by its own folder.
    process->setWorkingDirectory(QDir::tempPath());
    process->start();
    process->waitForStarted(5000);
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

QString E2eTest::waitForWindow(const QString& namePattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString ids = tool("xdotool", {"search", "--onlyvisible", "--name", namePattern});
        if (!ids.isEmpty())
            return ids.split('\n').first();
        QThread::msleep(100);
    }
    return {};
}

bool E2eTest::waitForNoWindow(const QString& namePattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (tool("xdotool", {"search", "--onlyvisible", "--name", namePattern}).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool E2eTest::waitForPopupMenu(int timeoutMs)
{
    // A popup menu is the program's one visible window without a caption of its own: X tools
    // show it under the program's name.
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString ids = tool("xdotool", {"search", "--onlyvisible", "--class", "mosaro"});
        for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
            const QString name = windowName(id);
            if (name.isEmpty() || name == QLatin1String("mosaro"))
                return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QColor E2eTest::waitForColour(const QString& windowId, QPoint at, QColor expected, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QColor seen;
    do {
        const QImage shot = captureWindow(server_->display(), windowId);
        if (!shot.isNull() && shot.rect().contains(at))
            seen = shot.pixelColor(at);
        if (seen == expected)
            break;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return seen;
}

QString E2eTest::windowName(const QString& windowId)
{
    return tool("xdotool", {"getwindowname", windowId});
}

QString E2eTest::mainWindow()
{
    return waitForWindow("^Mosaro ver1\\.0");
}

void E2eTest::click(const QString& windowId, int x, int y, int button, const QString& modifiers)
{
    // --sync: the pointer is there before the press, however busy the machine is. It waits
    // for the pointer to move, so the pointer first leaves for the screen's corner: a second
    // click on the same point would otherwise wait for a move that never comes.
    tool("xdotool", {"mousemove", "--sync", "0", "0"});
    tool("xdotool", {"mousemove", "--sync", "--window", windowId, QString::number(x),
                     QString::number(y)});
    if (!modifiers.isEmpty())
        tool("xdotool", {"keydown", modifiers});
    tool("xdotool", {"click", QString::number(button)});
    if (!modifiers.isEmpty())
        tool("xdotool", {"keyup", modifiers});
}

void E2eTest::clickSlot(int slot, int button, const QString& modifiers)
{
    // Into the icon area of the slot: 8 + 88 * column, 8 + 72 * row. Clicks in turn land 12
    // pixels apart, so two quick clicks on one slot stay two clicks and never a double-click.
    const int offset = (clicksSent_++ % 2) * 12;
    click(mainWindow(), 8 + 88 * (slot % 5) + 16 + offset, 8 + 72 * (slot / 5) + 16, button,
          modifiers);
}

void E2eTest::focus(const QString& windowId)
{
    if (!windowId.isEmpty())
        tool("xdotool", {"windowfocus", "--sync", windowId});
}

// Real key events through XTEST: they reach the focused window, or the popup menu that
// holds the keyboard.
void E2eTest::keys(const QString& windowId, const QStringList& keyNames)
{
    focus(windowId);
    QStringList args{"key", "--delay", "60"};
    args += keyNames;
    tool("xdotool", args);
}

void E2eTest::typeText(const QString& windowId, const QString& text)
{
    focus(windowId);
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (plain) {
        tool("xdotool", {"type", "--delay", "40", text});
        return;
    }
    // Other characters arrive as an input method commits them, all at once: typing them would
    // make xdotool remap a spare key for each, which a busy program may read after the next
    // remap and so get the wrong character.
    ASSERT_TRUE(setClipboard(text)) << "the clipboard did not take the text";
    tool("xdotool", {"key", "ctrl+v"});
}

bool E2eTest::setClipboard(const QString& text)
{
    // xclip stays behind to hand the text out until the server or another owner ends it.
    QProcess owner;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", server_->display());
    owner.setProcessEnvironment(env);
    owner.setStandardOutputFile(QProcess::nullDevice());
    owner.setStandardErrorFile(QProcess::nullDevice());
    owner.start("xclip", {"-selection", "clipboard", "-in"});
    if (!owner.waitForStarted(10000))
        return false;
    owner.write(text.toUtf8());
    owner.closeWriteChannel();
    owner.waitForFinished(10000);
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (tool("xclip", {"-selection", "clipboard", "-out"}) == text.trimmed())
            return true;
        QThread::msleep(50);
    }
    return false;
}

int E2eTest::waitForExit(QProcess* process, int timeoutMs)
{
    if (!process->waitForFinished(timeoutMs) && process->state() != QProcess::NotRunning)
        return -1;
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

int E2eTest::stop(QProcess* process, int signal, int timeoutMs)
{
    ::kill(pid_t(process->processId()), signal);
    return waitForExit(process, timeoutMs);
}
