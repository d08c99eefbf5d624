#include "e2e/e2e_fixture.h"

#include "support/files.h"
#include "support/processes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

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
    tool("xdotool", {"mousemove", "--window", windowId, QString::number(x), QString::number(y)});
    QThread::msleep(50);
    if (!modifiers.isEmpty())
        tool("xdotool", {"keydown", modifiers});
    tool("xdotool", {"click", QString::number(button)});
    if (!modifiers.isEmpty())
        tool("xdotool", {"keyup", modifiers});
    QThread::msleep(150);
}

void E2eTest::clickSlot(int slot, int button, const QString& modifiers)
{
    // Into the icon area of the slot: 8 + 88 * column, 8 + 72 * row.
    click(mainWindow(), 8 + 88 * (slot % 5) + 16, 8 + 72 * (slot / 5) + 16, button, modifiers);
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
    QThread::msleep(150);
}

void E2eTest::typeText(const QString& windowId, const QString& text)
{
    focus(windowId);
    tool("xdotool", {"type", "--delay", "40", text});
    QThread::msleep(150);
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
