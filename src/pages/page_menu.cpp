#include "pages/page_menu.h"

#include "launcher/mosaro.h"
#include "platform/menu_table.h"

namespace {

const MenuRow<Mosaro> pageMenu[] = {
    {"mnuFrmSave", "保存", &Mosaro::mnuFrmSave_Click},
    {nullptr, "-", nullptr},
    {"mnuFrmIns", "空ﾍﾟｰｼﾞ挿入", &Mosaro::mnuFrmIns_Click},
    {"mnuFrmJamp", "ﾍﾟｰｼﾞ表示", &Mosaro::mnuFrmJamp_Click},
    {nullptr, "-", nullptr},
    {"mnuFrmMake", "ﾍﾟｰｼﾞ作成", &Mosaro::mnuFrmMake_Click},
    {"mnuFrmDel", "ﾍﾟｰｼﾞ削除", &Mosaro::mnuFrmDel_Click},
    {nullptr, "-", nullptr},
    {"mnuFrmQit", "終了", &Mosaro::mnuFrmQit_Click},
};

}  // namespace

std::vector<MenuEntry> mnuFrm()
{
    return menuEntries(pageMenu, [](const MenuRow<Mosaro>&) { return true; });
}

void runPageMenuCommand(Mosaro& window, const QString& name)
{
    runMenuChoice(pageMenu, window, name);
}
