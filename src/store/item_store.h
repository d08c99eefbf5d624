#pragma once

#include "store/item_rec.h"

#include <array>
#include <cstdint>
#include <memory>

constexpr int16_t MaxPage = 1000;
constexpr int16_t SlotCount = 20;

// The whole state of the launcher: every item of every page and the globals around them.
// One instance lives for the run; tests make their own.
class ItemStore {
public:
    // Slot s of page p. Page 0..MaxPage and slot 0..SlotCount-1 are the limits of the table.
    ItemRec& ItemTbl(int page, int slot);
    // Reading a page that was never written gives empty items and allocates nothing.
    const ItemRec& ItemTbl(int page, int slot) const;
    // Empties every slot of every page and sets PageCnt to 0.
    void clearTable();
    // Takes the pages and PageCnt of another table, which is left empty.
    void takeTable(ItemStore& from);

    int16_t PageCnt = 0;
    int16_t CurPage = 0;
    int16_t CurSlot = 0;
    ItemRec ClipRec;

private:
    using Page = std::array<ItemRec, SlotCount>;
    // A page is allocated when one of its slots is first reached for writing: most tables
    // use a few of the 1001 pages, and a page never used costs a pointer.
    std::array<std::unique_ptr<Page>, MaxPage + 1> pages_;
};
