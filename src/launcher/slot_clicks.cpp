#include "launcher/item_launch.h"
#include "launcher/mosaro.h"
#include "launcher/slot_menu.h"
#include "platform/widgets/key_code.h"

void Mosaro::Pic_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float, float)
{
    if (Button == MouseButton::Right) {
        // With a modifier the page menu opens instead, and the slot stays unselected.
        if (Shift != 0) {
            openPageMenu();
            return;
        }
        store_.CurSlot = Index;
        const bool used = store_.ItemTbl(store_.CurPage, Index).Used;
        const QString chosen = platform_.popupMenu(slotMenuEntries(used, store_.ClipRec.Used));
        runSlotMenuCommand(*this, chosen);
    } else if (Button == MouseButton::Left) {
        const ItemRec& r = store_.ItemTbl(store_.CurPage, Index);
        if (r.Used)
            launchItem(r, Shift, platform_);
    }
}

void Mosaro::Lab_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y)
{
    Pic_MouseDown(Index, Button, Shift, X, Y);
}
