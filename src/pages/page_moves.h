#pragma once

#include <cstdint>

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
