#include "pages/page_moves.h"
#include "store/item_store.h"

#include <gtest/gtest.h>

namespace {

// Marks slot 0 of every page up to `last` with its page number, for following pages as they move.
void markPages(ItemStore& store, int last)
{
    for (int p = 0; p <= last; ++p) {
        store.ItemTbl(p, 0).Used = true;
        store.ItemTbl(p, 0).Title = QString::number(p);
    }
}

// Checks, for every page up to `last`, that the items the move says are at a page are there,
// and that no items are left anywhere the move says nothing went.
template <typename Move, typename Where>
void expectFollowed(int pageCnt, int last, Move move, Where where)
{
    ItemStore store;
    store.PageCnt = int16_t(pageCnt);
    markPages(store, last);
    move(store);
    for (int p = 0; p <= last; ++p) {
        const std::optional<int16_t> now = where(int16_t(p));
        if (now) {
            EXPECT_EQ(store.ItemTbl(*now, 0).Title, QString::number(p)) << p;
        }
    }
    for (int p = 0; p <= MaxPage; ++p) {
        const QString title = store.ItemTbl(p, 0).Title;
        if (!title.isEmpty()) {
            EXPECT_EQ(where(int16_t(title.toInt())), p)
                << "page " << p << " holds " << title.toStdString();
        }
    }
}

TEST(PageMoves, InsertMovesPagesFromItsPlaceUpAndLosesTheLast)
{
    for (int at : {0, 4, 11, 12})
        expectFollowed(
            12, 12, [at](ItemStore& s) { insertEmptyPage(s, int16_t(at)); },
            [at](int16_t p) { return pageAfterInsert(p, int16_t(at), 12); });
    EXPECT_EQ(pageAfterInsert(3, 4, 12), 3);
    EXPECT_EQ(pageAfterInsert(4, 4, 12), 5);
    EXPECT_EQ(pageAfterInsert(11, 4, 12), 12);
    EXPECT_EQ(pageAfterInsert(12, 4, 12), std::nullopt);
    EXPECT_EQ(pageAfterInsert(12, 12, 12), std::nullopt);
    EXPECT_EQ(pageAfterInsert(1000, 0, 1000), std::nullopt);
}

TEST(PageMoves, DeletionMovesLaterPagesDownOverTheRange)
{
    for (auto [from, to] : {std::pair{0, 5}, {5, 8}, {12, 12}, {0, 12}})
        expectFollowed(
            12, 12,
            [from = from, to = to](ItemStore& s) { deletePages(s, int16_t(from), int16_t(to)); },
            [from = from, to = to](int16_t p) {
                return pageAfterDeletion(p, int16_t(from), int16_t(to));
            });
    EXPECT_EQ(pageAfterDeletion(12, 0, 5), 6);
    EXPECT_EQ(pageAfterDeletion(4, 5, 8), 4);
    EXPECT_EQ(pageAfterDeletion(5, 5, 8), std::nullopt);
    EXPECT_EQ(pageAfterDeletion(8, 5, 8), std::nullopt);
    EXPECT_EQ(pageAfterDeletion(9, 5, 8), 5);
}

} // namespace
