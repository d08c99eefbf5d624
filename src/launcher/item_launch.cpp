#include "launcher/item_launch.h"

#include "launcher/command_line.h"
#include "platform/widgets/app_title.h"
#include "store/item_kind.h"

namespace {

// A desktop entry, as the program or as what opens the document, is started through the
// entry with the parameters and the document as its arguments; anything else as the line.
StartResult startItem(const ItemRec& r, int16_t shift, const QString& commandLine,
                      const QString& folder, Platform& platform)
{
    const QString parameters = shift != 0 ? QString() : r.CmdParam;
    if (!r.IsDoc && isDesktopEntryPath(r.ProgName))
        return platform.startDesktopEntry(r.ProgName, parameters, {}, folder);
    if (r.IsDoc && isDesktopEntryPath(r.AssocExe))
        return platform.startDesktopEntry(r.AssocExe, parameters, r.ProgName, folder);
    return platform.startCommandLine(commandLine, folder);
}

}  // namespace

void launchItem(const ItemRec& r, int16_t shift, Platform& platform)
{
    // An item without a folder starts where the launcher is; there are no drives to change.
    QString folder;
    if (!r.InitDir.isEmpty()) {
        if (!platform.setCurrentDirectory(r.InitDir)) {
            platform.messageBox(
                QStringLiteral("作業フォルダ「%1」に移動できないため、アイテムを起動できません。")
                    .arg(r.InitDir),
                MsgStyle::OkOnly + MsgStyle::Exclamation, AppTitle);
            return;
        }
        // The folder the change reached: a relative InitDir handed on as written would be
        // taken relative to itself a second time.
        folder = platform.currentDirectory();
    }
    const QString commandLine = buildCommandLine(r, shift);
    const StartResult result = startItem(r, shift, commandLine, folder, platform);
    if (!result.started) {
        platform.messageBox(QStringLiteral("次のコマンドラインを起動できませんでした。\n\n%1\n\n%2")
                                .arg(commandLine, result.error),
                            MsgStyle::OkOnly + MsgStyle::Exclamation, AppTitle);
    }
}
