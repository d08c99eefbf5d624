#include "store/item_store.h"

#include <cassert>

ItemRec& ItemStore::ItemTbl(int page, int slot)
{
    assert(page >= 0 && page <= MaxPage && slot >= 0 && slot < SlotCount);
    std::unique_ptr<Page>& items = pages_[size_t(page)];
    if (!items)
        items = std::make_unique<Page>();
    return (*items)[size_t(slot)];
}

const ItemRec& ItemStore::ItemTbl(int page, int slot) const
{
    assert(page >= 0 && page <= MaxPage && slot >= 0 && slot < SlotCount);
    static const ItemRec empty;
    const std::unique_ptr<Page>& items = pages_[size_t(page)];
    return items ? (*items)[size_t(slot)] : empty;
}

void ItemStore::clearTable()
{
    for (std::unique_ptr<Page>& items : pages_)
        items.reset();
    PageCnt = 0;
}

void ItemStore::takeTable(ItemStore& from)
{
    pages_ = std::move(from.pages_);
    PageCnt = from.PageCnt;
    from.clearTable();
}
