#include "launcher/item_launch.h"

#include "launcher/command_line.h"
#include "launcher/item_kind.h"

namespace {

const QString MessageTitle = QStringLiteral("Mosaro");

// A desktop entry, as the program or as what opens the document, is started through the
// entry with the parameters and the document as its arguments; anything else as the line.
StartResult startItem(const ItemRec& r, int16_t shift, const QString& commandLine,
                      Platform& platform)
{
    const QString parameters = shift != 0 ? QString() : r.CmdParam;
    if (!r.IsDoc && isDesktopEntryPath(r.ProgName))
        return platform.startDesktopEntry(r.ProgName, parameters, {}, r.InitDir);
    if (r.IsDoc && isDesktopEntryPath(r.AssocExe))
        return platform.startDesktopEntry(r.AssocExe, parameters, r.ProgName, r.InitDir);
    return platform.startCommandLine(commandLine, r.InitDir);
}

}  // namespace

void launchItem(const ItemRec& r, int16_t shift, Platform& platform)
{
    // An item without a folder starts where the launcher is; there are no drives to change.
    if (!r.InitDir.isEmpty() && !platform.setCurrentDirectory(r.InitDir)) {
        platform.messageBox(
            QStringLiteral("作業フォルダ「%1」に移動できないため、アイテムを起動できません。")
                .arg(r.InitDir),
            MsgStyle::OkOnly + MsgStyle::Exclamation, MessageTitle);
        return;
    }
    const QString commandLine = buildCommandLine(r, shift);
    const StartResult result = startItem(r, shift, commandLine, platform);
    if (!result.started) {
        platform.messageBox(QStringLiteral("次のコマンドラインを起動できませんでした。\n\n%1\n\n%2")
                                .arg(commandLine, result.error),
                            MsgStyle::OkOnly + MsgStyle::Exclamation, MessageTitle);
    }
}
