#include "editing/inp_data.h"
#include "launcher/mosaro.h"

// The slot menu's commands. Every item move stays within the page on screen.

namespace {

const QString DeleteQuestion = QStringLiteral("選択アイテムが削除されます。よろしいですか？");

bool confirmed(Platform& platform, const QString& question, const QString& title)
{
    return platform.messageBox(question, MsgStyle::OkCancel, title) == MsgAnswer::Ok;
}

// Slots from..18 take the item of the slot after them; the last slot is emptied.
void moveItemsUp(ItemStore& store, int from)
{
    for (int i = from; i < SlotCount - 1; ++i)
        store.ItemTbl(store.CurPage, i) = store.ItemTbl(store.CurPage, i + 1);
    store.ItemTbl(store.CurPage, SlotCount - 1) = clearedItem();
}

} // namespace

void Mosaro::mnuPopCopy_Click()
{
    store_.ClipRec = store_.ItemTbl(store_.CurPage, store_.CurSlot);
    store_.ClipRec.Used = true;
}

void Mosaro::mnuPopCut_Click()
{
    mnuPopCopy_Click();
    store_.ItemTbl(store_.CurPage, store_.CurSlot) = clearedItem();
    DrowData();
}

void Mosaro::mnuPopPest_Click()
{
    ItemRec& slot = store_.ItemTbl(store_.CurPage, store_.CurSlot);
    slot = store_.ClipRec;
    slot.Used = true;
    // The buffer serves one paste.
    store_.ClipRec = clearedItem();
    DrowData();
}

void Mosaro::mnuPopIns_Click()
{
    if (!confirmed(platform_,
                   QStringLiteral("ページの最後のアイテムが削除されます。よろしいですか？"),
                   QStringLiteral("挿入確認")))
        return;
    for (int d = SlotCount - 1; d > store_.CurSlot; --d)
        store_.ItemTbl(store_.CurPage, d) = store_.ItemTbl(store_.CurPage, d - 1);
    store_.ItemTbl(store_.CurPage, store_.CurSlot) = clearedItem();
    DrowData();
}

void Mosaro::mnuPopDelMove_Click()
{
    if (!confirmed(platform_, DeleteQuestion, QStringLiteral("削除と繰り上げ確認")))
        return;
    moveItemsUp(store_, store_.CurSlot);
    DrowData();
}

void Mosaro::mnuPopMove_Click()
{
    if (store_.CurSlot == SlotCount - 1)
        return;
    moveItemsUp(store_, store_.CurSlot);
    DrowData();
}

void Mosaro::mnuPopDel_Click()
{
    if (!confirmed(platform_, DeleteQuestion, QStringLiteral("削除確認")))
        return;
    store_.ItemTbl(store_.CurPage, store_.CurSlot) = clearedItem();
    DrowData();
}

InpData* Mosaro::itemDialog() const
{
    return qobject_cast<InpData*>(inpData.data());
}

void Mosaro::mnuPopProp_Click()
{
    // One dialog at a time: a second opening only brings it to the front, edits intact.
    showDialog(inpData, [this] {
        auto* dialog = new InpData(store_, platform_, store_.CurPage, store_.CurSlot);
        connect(dialog, &InpData::itemApplied, this, &Mosaro::DrowData);
        connect(dialog, &InpData::closed, this, [this, dialog] {
            if (inpData == dialog)
                inpData = nullptr;
        });
        dialog->Form_Load();
        return dialog;
    });
}
