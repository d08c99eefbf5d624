#include "forms/page_fixture.h"

#include "editing/inp_data.h"
#include "pages/inp_del_pg.h"
#include "platform/widgets/key_text_box.h"
#include "store/item_file.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// The item properties dialog stays open while pages are inserted or deleted under it.
class ItemFollowsPages : public PageTest {
protected:
    QPointer<InpData> dialog;

    // Opens the dialog on an empty slot of `page` and types a title into it.
    void openOn(int page)
    {
        store.CurPage = int16_t(page);
        store.CurSlot = 5;
        window->mnuPopProp_Click();
        dialog = qobject_cast<InpData*>(window->inpData.data());
        ASSERT_TRUE(dialog);
        dialog->findChild<QLineEdit*>("Text1(4)")->setText("mine");
    }
    void deletePages(int first, int last)
    {
        window->mnuFrmDel_Click();
        auto* d = qobject_cast<InpDelPg*>(window->inpDelPg.data());
        d->TexPag[0]->setText(QString::number(first));
        d->TexPag[1]->setText(QString::number(last));
        platform.answers.push_back(MsgAnswer::Ok);
        d->ComOk->click();
        settle();
    }
    void insertPageAt(int page)
    {
        window->VScroll1->setValue(page);
        platform.answers.push_back(MsgAnswer::Yes);
        window->mnuFrmIns_Click();
    }
    void apply() { dialog->findChild<QPushButton*>("ComOk")->click(); }
    // The pages whose slot 5 holds an item.
    std::vector<int> pagesHoldingTheItem()
    {
        std::vector<int> pages;
        for (int p = 0; p <= MaxPage; ++p)
            if (store.ItemTbl(p, 5).Used)
                pages.push_back(p);
        return pages;
    }
    void expectClosedWithNothingStored()
    {
        EXPECT_FALSE(window->inpData);
        settle();
        EXPECT_FALSE(dialog);
        EXPECT_EQ(pagesHoldingTheItem(), std::vector<int>());
    }
};

TEST_F(ItemFollowsPages, DeletingPagesBeforeTheItemMovesItDown)
{
    markPages(12);
    openWindow(12);
    openOn(12);
    deletePages(0, 5);
    EXPECT_EQ(store.PageCnt, 10);
    ASSERT_TRUE(dialog);
    apply();

    EXPECT_EQ(pagesHoldingTheItem(), std::vector<int>{6});
    EXPECT_EQ(store.ItemTbl(6, 5).Title, "mine");
    EXPECT_EQ(markOf(6), "p12"); // the page the dialog was opened on
    // The item is saved, and a later page creation brings nothing back.
    ItemStore reloaded;
    parseItemFile(formatItemFile(store).bytes, reloaded);
    EXPECT_EQ(reloaded.ItemTbl(6, 5).Title, "mine");
}

TEST_F(ItemFollowsPages, InsertingAPageAtOrBeforeTheItemMovesItUp)
{
    markPages(12);
    openWindow(12);
    openOn(4);
    insertPageAt(2); // before: 4 -> 5
    insertPageAt(5); // at its page: 5 -> 6
    insertPageAt(8); // after: stays
    apply();
    EXPECT_EQ(pagesHoldingTheItem(), std::vector<int>{6});
    EXPECT_EQ(markOf(6), "p4");

    // Insertions and a deletion in turn.
    openOn(9);
    ASSERT_EQ(markOf(9), "p6");
    insertPageAt(0);   // 9 -> 10
    deletePages(3, 4); // 10 -> 8
    insertPageAt(8);   // 8 -> 9
    apply();
    EXPECT_EQ(store.ItemTbl(9, 5).Title, "mine");
    EXPECT_EQ(markOf(9), "p6");
}

TEST_F(ItemFollowsPages, WhenTheItemsPageIsGoneTheDialogClosesWithoutStoring)
{
    markPages(12);
    openWindow(12);

    openOn(7);
    deletePages(5, 8);
    expectClosedWithNothingStored();

    // An insert loses the last page, and the item with it.
    openOn(10);
    insertPageAt(0);
    expectClosedWithNothingStored();

    // A page count lowered under the dialog by any other way still keeps Apply below it.
    openOn(10);
    store.PageCnt = 9;
    apply();
    expectClosedWithNothingStored();
}

} // namespace
