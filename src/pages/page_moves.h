#pragma once

#include <cstdint>
#include <optional>

class ItemStore;

// Fewer pages than this are never left by a deletion.
constexpr int16_t MinPageCnt = 10;

// Moves pages `page` to PageCnt - 1 up by one (the last page's items are lost) and clears
// `page`. PageCnt stays.
void insertEmptyPage(ItemStore& store, int16_t page);

// Removes pages from..to (0 <= from <= to <= PageCnt): the pages after them move down, the
// pages given up at the end are cleared, PageCnt shrinks (never below MinPageCnt) and CurPage
// is kept within it.
void deletePages(ItemStore& store, int16_t from, int16_t to);

// Where the items of `page` are after insertEmptyPage(store, at) with the given PageCnt: one
// page up from `at` on; none when they were on the last page, which is lost.
std::optional<int16_t> pageAfterInsert(int16_t page, int16_t at, int16_t pageCnt);

// Where the items of `page` are after deletePages(store, from, to): none when it was deleted.
std::optional<int16_t> pageAfterDeletion(int16_t page, int16_t from, int16_t to);
