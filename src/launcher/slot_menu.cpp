#include "launcher/slot_menu.h"

#include "launcher/mosaro.h"
#include "platform/menu_table.h"

namespace {

enum class Enabled { Always, UsedSlot, EmptySlot, ClipHoldsItem };

struct SlotMenuRow {
    const char* name;
    const char* caption;
    void (Mosaro::*handler)();
    Enabled enabled;
};

const SlotMenuRow slotMenu[] = {
    {"mnuPopCut", "切り取り", &Mosaro::mnuPopCut_Click, Enabled::UsedSlot},
    {"mnuPopCopy", "コピー", &Mosaro::mnuPopCopy_Click, Enabled::UsedSlot},
    {"mnuPopPest", "貼り付け", &Mosaro::mnuPopPest_Click, Enabled::ClipHoldsItem},
    {nullptr, "-", nullptr, Enabled::Always},
    {"mnuPopIns", "空ｱｲﾃﾑ挿入", &Mosaro::mnuPopIns_Click, Enabled::Always},
    {"mnuPopDelMove", "ｱｲﾃﾑ削除と繰り上げ", &Mosaro::mnuPopDelMove_Click, Enabled::UsedSlot},
    {"mnuPopMove", "ｱｲﾃﾑ繰り上げ", &Mosaro::mnuPopMove_Click, Enabled::EmptySlot},
    {nullptr, "-", nullptr, Enabled::Always},
    {"mnuPopDel", "ｱｲﾃﾑ削除", &Mosaro::mnuPopDel_Click, Enabled::UsedSlot},
    {nullptr, "-", nullptr, Enabled::Always},
    {"mnuPopProp", "ｱｲﾃﾑﾌﾟﾛﾊﾟﾃｨ", &Mosaro::mnuPopProp_Click, Enabled::Always},
};

bool isEnabled(Enabled rule, bool slotUsed, bool clipUsed)
{
    switch (rule) {
    case Enabled::UsedSlot: return slotUsed;
    case Enabled::EmptySlot: return !slotUsed;
    case Enabled::ClipHoldsItem: return clipUsed;
    case Enabled::Always: break;
    }
    return true;
}

}  // namespace

std::vector<MenuEntry> slotMenuEntries(bool slotUsed, bool clipUsed)
{
    return menuEntries(slotMenu, [slotUsed, clipUsed](const SlotMenuRow& row) {
        return isEnabled(row.enabled, slotUsed, clipUsed);
    });
}

void runSlotMenuCommand(Mosaro& window, const QString& name)
{
    runMenuChoice(slotMenu, window, name);
}
