#include "launcher/mosaro.h"

#include "platform/widgets/dialog_window.h"
#include "pages/inp_del_pg.h"
#include "pages/inp_page.h"
#include "pages/page_menu.h"
#include "pages/page_moves.h"
#include "pages/page_number.h"
#include "store/save_command.h"

void Mosaro::Form_MouseDown(int16_t Button, int16_t, float, float)
{
    if (Button == 2)
        openPageMenu();
}

void Mosaro::openPageMenu()
{
    const QString chosen = platform_.popupMenu(mnuFrm());
    if (chosen == QLatin1String("mnuFrmSave"))
        mnuFrmSave_Click(store_, platform_);
    else if (chosen == QLatin1String("mnuFrmIns"))
        mnuFrmIns_Click();
    else if (chosen == QLatin1String("mnuFrmJamp"))
        mnuFrmJamp_Click();
    else if (chosen == QLatin1String("mnuFrmMake"))
        mnuFrmMake_Click();
    else if (chosen == QLatin1String("mnuFrmDel"))
        mnuFrmDel_Click();
    else if (chosen == QLatin1String("mnuFrmQit"))
        mnuFrmQit_Click();
}

void Mosaro::mnuFrmIns_Click()
{
    const int answer =
        platform_.messageBox(QStringLiteral("最後のページが消滅しますがよろしいですか？"),
                             MsgStyle::YesNo + MsgStyle::Exclamation, QStringLiteral("挿入確認"));
    if (answer != MsgAnswer::Yes)
        return;
    insertEmptyPage(store_, store_.CurPage);
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
    showOnce(inpPage, [this] { return new InpPage(*this); });
}

void Mosaro::mnuFrmDel_Click()
{
    showOnce(inpDelPg, [this] { return new InpDelPg(*this); });
}
