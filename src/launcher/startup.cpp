#include "launcher/mosaro.h"

#include "platform/widgets/app_title.h"
#include "store/item_file.h"
#include "pages/save_command.h"

#include <QDir>
#include <QScrollBar>

Mosaro::LoadOutcome Mosaro::Form_Load()
{
    platform_.setCurrentDirectory(platform_.programFolder());

    const QString dataFolder = platform_.dataFolder();
    const LoadResult loaded = LoadItemFile(store_, dataFolder);
    const QString file = QDir::toNativeSeparators(dataFilePath(dataFolder));
    if (loaded.status == LoadResult::Status::Unreadable) {
        platform_.messageBox(QStringLiteral("データファイル「%1」を読み込めません。\n%2\n"
                                            "ファイルには手を付けずに終了します。")
                                 .arg(file, loaded.error),
                             MsgStyle::OkOnly + MsgStyle::Stop, AppTitle);
        return LoadOutcome::CannotRead;
    }
    if (loaded.status == LoadResult::Status::Damaged)
        loadProblems_ = QStringLiteral("データファイル「%1」に、読み込めない行または"
                                       "次の保存で残らない行が %2 行ありました。\n"
                                       "元のファイルは「%3」として残してあります。")
                            .arg(file)
                            .arg(loaded.skippedLines)
                            .arg(QDir::toNativeSeparators(loaded.backupPath));

    VScroll1->setMaximum(store_.PageCnt);
    store_.CurPage = 0;
    DrowData();
    return LoadOutcome::Run;
}

void Mosaro::reportLoadProblems()
{
    if (loadProblems_.isEmpty())
        return;
    const QString text = loadProblems_;
    loadProblems_.clear();
    platform_.messageBox(text, MsgStyle::OkOnly + MsgStyle::Exclamation, AppTitle);
}

void Mosaro::Form_Unload()
{
    platform_.setCurrentDirectory(platform_.programFolder());
    saveForClose(store_, platform_);
    emit unloaded();
}

void Mosaro::mnuFrmQit_Click()
{
    close();
}
