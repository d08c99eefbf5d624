#pragma once

#include "store/item_rec.h"

#include <cstdint>
#include <vector>

constexpr int16_t MaxPage = 1000;
constexpr int16_t SlotCount = 20;

// The whole state of the launcher: every item of every page and the globals around them.
// One instance lives for the run; tests make their own.
class ItemStore {
public:
    ItemStore();

    // Slot s of page p. Page 0..MaxPage and slot 0..SlotCount-1 are the limits of the table.
    ItemRec& ItemTbl(int page, int slot);
    const ItemRec& ItemTbl(int page, int slot) const;

    int16_t PageCnt = 0;
    int16_t CurPage = 0;
    int16_t CurSlot = 0;
    ItemRec ClipRec;

private:
    std::vector<ItemRec> table_;  // allocated once, (MaxPage + 1) x SlotCount
};
