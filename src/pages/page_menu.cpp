#include "pages/page_menu.h"

const std::vector<MenuEntry>& mnuFrm()
{
    static const std::vector<MenuEntry> entries{
        {QStringLiteral("mnuFrmSave"), QStringLiteral("保存")},
        {QString(), QStringLiteral("-")},
        {QStringLiteral("mnuFrmIns"), QStringLiteral("空ﾍﾟｰｼﾞ挿入")},
        {QStringLiteral("mnuFrmJamp"), QStringLiteral("ﾍﾟｰｼﾞ表示")},
        {QString(), QStringLiteral("-")},
        {QStringLiteral("mnuFrmMake"), QStringLiteral("ﾍﾟｰｼﾞ作成")},
        {QStringLiteral("mnuFrmDel"), QStringLiteral("ﾍﾟｰｼﾞ削除")},
        {QString(), QStringLiteral("-")},
        {QStringLiteral("mnuFrmQit"), QStringLiteral("終了")},
    };
    return entries;
}
