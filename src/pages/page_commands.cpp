#include "launcher/mosaro.h"

#include "editing/inp_data.h"
#include "pages/inp_del_pg.h"
#include "pages/inp_page.h"
#include "pages/page_menu.h"
#include "pages/page_moves.h"
#include "pages/page_number.h"
#include "pages/save_command.h"
#include "platform/widgets/key_code.h"

#include <QScrollBar>

void Mosaro::Form_MouseDown(int16_t Button, int16_t, float, float)
{
    if (Button == MouseButton::Right)
        openPageMenu();
}

void Mosaro::openPageMenu()
{
    runPageMenuCommand(*this, platform_.popupMenu(mnuFrm()));
}

void Mosaro::mnuFrmSave_Click()
{
    ::mnuFrmSave_Click(store_, platform_);
}

void Mosaro::mnuFrmIns_Click()
{
    const int answer =
        platform_.messageBox(QStringLiteral("最後のページが消滅しますがよろしいですか？"),
                             MsgStyle::YesNo + MsgStyle::Exclamation, QStringLiteral("挿入確認"));
    if (answer != MsgAnswer::Yes)
        return;
    const int16_t at = store_.CurPage;
    insertEmptyPage(store_, at);
    if (InpData* dialog = itemDialog())
        dialog->itemMoved(pageAfterInsert(dialog->page(), at, store_.PageCnt));
    DrowData();
}

void Mosaro::mnuFrmJamp_Click()
{
    const QString answer =
        platform_.inputBox(QStringLiteral("表示したいページ数を入力下さい。最小：0、最大：")
                               + QString::number(store_.PageCnt),
                           QStringLiteral("ページ表示入力"));
    if (answer.isEmpty())
        return;
    const std::optional<int16_t> page = readPageNumber(answer);
    if (!page || *page < 0 || *page > store_.PageCnt) {
        platform_.messageBox(QStringLiteral("入力したページが範囲外のため表示されません！"),
                             MsgStyle::OkOnly + MsgStyle::Stop, QStringLiteral("ページ入力エラー"));
        return;
    }
    store_.CurPage = *page;
    DrowData();
}

void Mosaro::mnuFrmMake_Click()
{
    showDialog(inpPage, [this] {
        auto* dialog = new InpPage(store_);
        connect(dialog, &InpPage::pageCountChanged, this, [this] {
            VScroll1->setMaximum(store_.PageCnt);
            showTitle();
        });
        dialog->Form_Load();
        return dialog;
    });
}

void Mosaro::mnuFrmDel_Click()
{
    showDialog(inpDelPg, [this] {
        auto* dialog = new InpDelPg(store_, platform_);
        connect(dialog, &InpDelPg::pagesDeleted, this, [this](int16_t first, int16_t last) {
            if (InpData* properties = itemDialog())
                properties->itemMoved(pageAfterDeletion(properties->page(), first, last));
            // Pulls the position down to the last page when it stood above it; the scroll
            // bar's change handler then shows that page.
            VScroll1->setMaximum(store_.PageCnt);
            DrowData();
        });
        return dialog;
    });
}
