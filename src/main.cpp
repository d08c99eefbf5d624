#include "launcher/end_of_run_save.h"
#include "launcher/mosaro.h"
#include "platform/widgets/builtin_icons.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/widgets/fonts.h"
#include "platform/desktop/icon_themes.h"
#include "platform/desktop/quit_signals.h"
#include "store/item_store.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>

#include <thread>

int main(int argc, char* argv[])
{
    // Before the application object, so the theme lookup sees it.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication app(argc, argv);
    installFontSubstitutes();
    // The font system takes a while to start; let it do so while the window is being built
    // and the data file read. The first text drawn waits for it if it is not ready yet.
    std::thread fontWarmUp([] { QFontDatabase::families(); });
    struct JoinAtExit {
        std::thread& thread;
        ~JoinAtExit() { thread.join(); }
    } joinFontWarmUp{fontWarmUp};
    useXdgIconThemes();
    // The interface is Japanese whatever the locale, Qt's own dialogs included.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    DesktopPlatform platform;
    ItemStore store;
    Mosaro window(store, platform);
    switch (window.Form_Load()) {
    case Mosaro::LoadOutcome::AnotherInstance: return 0;
    case Mosaro::LoadOutcome::CannotRead: return 1;
    case Mosaro::LoadOutcome::Run: break;
    }

    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(mosaroWindowIcon(size)));
    window.setWindowIcon(icon);
    EndOfRunSave endOfRun(store, platform.programFolder());
    QObject::connect(&window, &Mosaro::unloaded, &window, [&endOfRun] { endOfRun.settle(); });
    installQuitSignals([&window] { window.close(); });
    // A checkpoint, or a logout that another program may still cancel: keep the table safe
    // and stay open. A session that really ends quits the application, which closes the
    // window the normal way.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&endOfRun](QSessionManager&) { endOfRun.writeNow(); });
    window.show();
    QTimer::singleShot(0, &window, &Mosaro::reportLoadProblems);
    return app.exec();
}
