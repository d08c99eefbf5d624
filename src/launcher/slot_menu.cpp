#include "launcher/slot_menu.h"

#include "launcher/mosaro.h"

namespace {

enum class Enabled { Always, UsedSlot, EmptySlot, ClipHoldsItem };

struct SlotMenuItem {
    const char* name;  // none for a separator
    const char* caption;
    void (Mosaro::*command)();
    Enabled enabled;
};

// Top to bottom as the menu shows them.
const SlotMenuItem slotMenu[] = {
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
    std::vector<MenuEntry> entries;
    for (const SlotMenuItem& item : slotMenu) {
        entries.push_back({item.name ? QString::fromLatin1(item.name) : QString(),
                           QString::fromUtf8(item.caption),
                           isEnabled(item.enabled, slotUsed, clipUsed)});
    }
    return entries;
}

void runSlotMenuCommand(Mosaro& window, const QString& name)
{
    if (name.isEmpty())
        return;
    for (const SlotMenuItem& item : slotMenu) {
        if (item.name && name == QLatin1String(item.name)) {
            (window.*item.command)();
            return;
        }
    }
}
