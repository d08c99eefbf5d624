#include "launcher/end_of_run_save.h"
#include "launcher/mosaro.h"
#include "platform/desktop/data_location.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/icon_themes.h"
#include "platform/desktop/instance_channel.h"
#include "platform/desktop/instance_lock.h"
#include "platform/desktop/quit_signals.h"
#include "platform/widgets/app_title.h"
#include "platform/widgets/builtin_icons.h"
#include "platform/widgets/fonts.h"
#include "store/item_file.h"
#include "store/item_file_preload.h"
#include "store/item_store.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>

#include <optional>
#include <thread>

#include <unistd.h>

namespace {

// Brings the running copy's window forward; it may still be starting, so it gets a moment.
void knockOnRunningCopy(const QString& channel)
{
    const QDeadlineTimer deadline(2000);
    while (!InstanceChannel::knock(channel) && !deadline.hasExpired())
        ::usleep(50 * 1000);
}

void bringForward(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    // Where the data file lives and whether a copy already runs on it are settled before the
    // application object, so a second start ends quietly whether or not there is a display.
    const QString dataFolder = chooseDataFolder(runningProgramFolder());
    const InstanceLock lock(dataFolder);
    const QString channelPath = InstanceChannel::pathFor(dataFolder);
    if (lock.state() == InstanceLock::State::HeldElsewhere) {
        knockOnRunningCopy(channelPath);
        return 0;
    }

    // The data file is read on a second thread while the application object and the window
    // are made; Form_Load takes what it read.
    const ItemFilePreload preload(dataFolder);

    // Before the application object, so the theme lookup sees it.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication app(argc, argv);
    // The Wayland app id and the X11 class name, matching the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("mosaro"));
    installFontSubstitutes();
    // The font system takes a while to start; with titles to show, let it do so while the
    // window is being built and the data file read. The first text drawn waits for it if it
    // is not ready yet. A first run shows no text and leaves it for later.
    std::optional<std::thread> fontWarmUp;
    if (QFileInfo(dataFilePath(dataFolder)).size() > 0)
        fontWarmUp.emplace([] { QFontDatabase::families(); });
    struct JoinAtExit {
        std::optional<std::thread>& thread;
        ~JoinAtExit()
        {
            if (thread)
                thread->join();
        }
    } joinFontWarmUp{fontWarmUp};
    useXdgIconThemes();
    // The interface is Japanese whatever the locale, Qt's own dialogs included.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    DesktopPlatform platform(dataFolder);
    if (lock.state() == InstanceLock::State::Unknown)
        platform.messageBox(QStringLiteral("ほかに起動中の Mosaro があるかどうかを確かめられません"
                                           "でした。\nこのまま起動します。"),
                            MsgStyle::OkOnly + MsgStyle::Exclamation, AppTitle);
    ItemStore store;
    Mosaro window(store, platform);
    if (window.Form_Load() == Mosaro::LoadOutcome::CannotRead)
        return 1;

    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(mosaroWindowIcon(size)));
    window.setWindowIcon(icon);
    EndOfRunSave endOfRun(store, platform.dataFolder());
    QObject::connect(&window, &Mosaro::unloaded, &window, [&endOfRun] { endOfRun.settle(); });
    installQuitSignals([&window] { window.close(); });
    // A checkpoint, or a logout that another program may still cancel: keep the table safe
    // and stay open. A session that really ends quits the application, which closes the
    // window the normal way.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&endOfRun](QSessionManager&) { endOfRun.writeNow(); });
    window.show();
    InstanceChannel channel;
    channel.listen(channelPath);
    QObject::connect(&channel, &InstanceChannel::knocked, &window,
                     [&window] { bringForward(window); });
    QTimer::singleShot(0, &window, &Mosaro::reportLoadProblems);
    return app.exec();
}
