#include "e2e/e2e_fixture.h"

#include "store/item_file.h"
#include "store/item_store.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <csignal>

namespace {

// A headless Wayland compositor in a runtime folder of its own.
class Weston {
public:
    Weston()
    {
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start("weston", {"--backend=headless-backend.so", "--socket=wayland-e2e",
                                  "--idle-time=0", "--log=" + runtime_.path() + "/weston.log"});
        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(socket()) && !deadline.hasExpired()
               && process_.state() != QProcess::NotRunning)
            QThread::msleep(50);
    }
    ~Weston()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
    }
    bool running() const { return QFile::exists(socket()); }
    QString runtimeFolder() const { return runtime_.path(); }

private:
    QString socket() const { return runtime_.path() + "/wayland-e2e"; }
    QTemporaryDir runtime_;
    QProcess process_;
};

class WaylandSession : public E2eTest {};

// libwayland prints every request a client makes when WAYLAND_DEBUG is set: the window is
// there once its title was set and a buffer was attached and committed after that.
bool waitForShownWindow(QProcess* process, const QByteArray& title, QByteArray& log)
{
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && process->state() == QProcess::Running) {
        process->waitForReadyRead(100);
        log += process->readAllStandardError();
        const qsizetype titled = log.indexOf("set_title(\"" + title + "\")");
        if (titled < 0)
            continue;
        const qsizetype attached = log.indexOf(".attach(wl_buffer@", titled);
        if (attached >= 0 && log.indexOf(".commit()", attached) >= 0)
            return true;
    }
    return false;
}

TEST_F(WaylandSession, ShowsItsWindowAndWritesTheFileOnSigterm)
{
    Weston weston;
    ASSERT_TRUE(weston.running()) << "weston could not be started";
    ItemStore store;
    store.PageCnt = 3;
    store.ItemTbl(1, 0).Used = true;
    store.ItemTbl(1, 0).ProgName = "/usr/bin/メモ";
    store.ItemTbl(1, 0).Title = "メモ";
    const QByteArray original = formatItemFile(store).bytes;
    writeDataFile(original);

    QProcessEnvironment env;
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.insert("XDG_RUNTIME_DIR", weston.runtimeFolder());
    env.insert("WAYLAND_DISPLAY", "wayland-e2e");
    env.insert("WAYLAND_DEBUG", "client");
    env.insert("DISPLAY", "");
    QProcess* mosaro = start({}, {}, env);
    QByteArray log;
    ASSERT_TRUE(waitForShownWindow(mosaro, "Mosaro ver1.0  page [0/3]", log))
        << log.right(4000).toStdString();
    // The app id names the installed desktop entry, so docks find its name and icon.
    EXPECT_TRUE(log.contains("set_app_id(\"mosaro\")"));

    QFile::remove(dataFile());
    EXPECT_EQ(stop(mosaro, SIGTERM), 0);
    EXPECT_EQ(readDataFile(), original);
}

}  // namespace
