#include "pages/save_command.h"

#include "platform/platform.h"
#include "platform/widgets/app_title.h"
#include "store/item_file.h"

namespace {

QString notSavedText(const SaveResult& result)
{
    return QStringLiteral("データを保存できませんでした。\n"
                          "前のデータファイルは元のまま残っています。\n\n%1")
        .arg(result.error);
}

} // namespace

void mnuFrmSave_Click(ItemStore& store, Platform& platform)
{
    if (platform.messageBox(QStringLiteral("全ての作成データを保存します。　よろしいでしょうか？"),
                            MsgStyle::OkCancel, QStringLiteral("保存確認"))
        != MsgAnswer::Ok)
        return;
    const QString previous = platform.currentDirectory();
    platform.setCurrentDirectory(platform.programFolder());
    const SaveResult result = SaveItemFile(store, platform.dataFolder());
    platform.setCurrentDirectory(previous);
    if (!result.saved)
        platform.messageBox(notSavedText(result), MsgStyle::OkOnly + MsgStyle::Stop, AppTitle);
}

void saveForClose(ItemStore& store, Platform& platform)
{
    for (;;) {
        const SaveResult result = SaveItemFile(store, platform.dataFolder());
        if (result.saved)
            return;
        const QString text = notSavedText(result)
                             + QStringLiteral("\n\nもう一度保存しますか？"
                                              "（キャンセルすると保存せずに終了します）");
        if (platform.messageBox(text, MsgStyle::RetryCancel + MsgStyle::Stop, AppTitle)
            != MsgAnswer::Retry)
            return;
    }
}
