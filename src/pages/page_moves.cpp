#include "pages/page_moves.h"

#include "store/item_store.h"

namespace {

void copyPage(ItemStore& store, int from, int to)
{
    for (int s = 0; s < SlotCount; ++s)
        store.ItemTbl(to, s) = store.ItemTbl(from, s);
}

void clearPage(ItemStore& store, int page)
{
    for (int s = 0; s < SlotCount; ++s)
        store.ItemTbl(page, s) = clearedItem();
}

} // namespace

void insertEmptyPage(ItemStore& store, int16_t page)
{
    for (int p = store.PageCnt - 1; p >= page; --p)
        copyPage(store, p, p + 1);
    clearPage(store, page);
}

void deletePages(ItemStore& store, int16_t from, int16_t to)
{
    const int n = to - from + 1;
    for (int j = from; j <= store.PageCnt - n; ++j)
        copyPage(store, j + n, j);
    for (int k = store.PageCnt - n + 1; k <= store.PageCnt; ++k)
        clearPage(store, k);
    store.PageCnt = int16_t(store.PageCnt - n < MinPageCnt ? MinPageCnt : store.PageCnt - n);
    if (store.PageCnt < store.CurPage)
        store.CurPage = store.PageCnt;
}

std::optional<int16_t> pageAfterInsert(int16_t page, int16_t at, int16_t pageCnt)
{
    if (page < at)
        return page;
    if (page >= pageCnt)
        return std::nullopt;
    return int16_t(page + 1);
}

std::optional<int16_t> pageAfterDeletion(int16_t page, int16_t from, int16_t to)
{
    if (page < from)
        return page;
    if (page <= to)
        return std::nullopt;
    return int16_t(page - (to - from + 1));
}
