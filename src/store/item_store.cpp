#include "store/item_store.h"

#include <cassert>

ItemStore::ItemStore() : table_(size_t(MaxPage + 1) * SlotCount) {}

ItemRec& ItemStore::ItemTbl(int page, int slot)
{
    assert(page >= 0 && page <= MaxPage && slot >= 0 && slot < SlotCount);
    return table_[size_t(page) * SlotCount + size_t(slot)];
}

const ItemRec& ItemStore::ItemTbl(int page, int slot) const
{
    assert(page >= 0 && page <= MaxPage && slot >= 0 && slot < SlotCount);
    return table_[size_t(page) * SlotCount + size_t(slot)];
}
