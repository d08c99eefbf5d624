#include "support/form_fixture.h"

#include <QStringList>

namespace {

class SlotCommands : public FormTest {
protected:
    // Page 0 full of items titled by their slot; page 1 holds one item that must never move.
    void fillPage(std::initializer_list<int> used)
    {
        for (int s : used)
            store.ItemTbl(0, s) = item(QString::number(s));
        store.ItemTbl(1, 0) = item("other page");
    }
    void fillWholePage()
    {
        for (int s = 0; s < SlotCount; ++s)
            fillPage({s});
    }

    // The titles of page 0, "-" for an empty slot.
    QStringList titles()
    {
        QStringList result;
        for (int s = 0; s < SlotCount; ++s) {
            const ItemRec& r = store.ItemTbl(0, s);
            result << (r.Used ? r.Title : QStringLiteral("-"));
        }
        return result;
    }
    static QStringList expected(const char* layout)
    {
        return QString::fromLatin1(layout).split(' ');
    }

    // What slot s shows on screen: its title, or "-" when drawn empty.
    QString shown(int s) { return lab(s).isVisibleTo(window.get()) ? lab(s).text() : "-"; }

    void choose(int slot) { store.CurSlot = int16_t(slot); }

    void expectOtherPageUntouched()
    {
        EXPECT_EQ(store.ItemTbl(1, 0), item("other page"));
        for (int s = 1; s < SlotCount; ++s)
            EXPECT_FALSE(store.ItemTbl(1, s).Used);
    }
};

TEST_F(SlotCommands, InsertMovesTheRestDownAndLosesTheLastItem)
{
    fillWholePage();
    openWindow(3);

    choose(5);
    platform.answers = {MsgAnswer::Ok};
    window->mnuPopIns_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0],
                  QStringLiteral("ページの最後のアイテムが削除されます。よろしいですか？"),
                  MsgStyle::OkCancel, QStringLiteral("挿入確認"));
    EXPECT_EQ(titles(), expected("0 1 2 3 4 - 5 6 7 8 9 10 11 12 13 14 15 16 17 18"));
    EXPECT_EQ(store.ItemTbl(0, 5), clearedItem());
    EXPECT_EQ(shown(5), "-");
    EXPECT_EQ(shown(6), "5");
    EXPECT_EQ(pic(5).image().pixelColor(1, 1), QColor(64, 64, 64));
    expectOtherPageUntouched();

    // On the last slot only that item goes.
    choose(19);
    platform.answers = {MsgAnswer::Ok};
    window->mnuPopIns_Click();
    EXPECT_EQ(titles(), expected("0 1 2 3 4 - 5 6 7 8 9 10 11 12 13 14 15 16 17 -"));
    EXPECT_EQ(shown(19), "-");

    // Anything but OK changes nothing; the question comes even when the last slot is empty.
    choose(0);
    window->mnuPopIns_Click();
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(titles(), expected("0 1 2 3 4 - 5 6 7 8 9 10 11 12 13 14 15 16 17 -"));
}

TEST_F(SlotCommands, DeleteAndMoveUpClosesTheGapOfTheDeletedItem)
{
    fillPage({0, 7, 8, 10, 19});
    openWindow(3);

    choose(7);
    platform.answers = {MsgAnswer::Cancel};
    window->mnuPopDelMove_Click();
    EXPECT_EQ(titles(), expected("0 - - - - - - 7 8 - 10 - - - - - - - - 19"));

    platform.answers = {MsgAnswer::Ok};
    window->mnuPopDelMove_Click();
    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(platform.messages[1],
                  QStringLiteral("選択アイテムが削除されます。よろしいですか？"),
                  MsgStyle::OkCancel, QStringLiteral("削除と繰り上げ確認"));
    EXPECT_EQ(titles(), expected("0 - - - - - - 8 - 10 - - - - - - - - 19 -"));
    EXPECT_EQ(shown(7), "8");
    EXPECT_EQ(shown(18), "19");
    EXPECT_EQ(shown(19), "-");

    choose(18);
    platform.answers = {MsgAnswer::Ok};
    window->mnuPopDelMove_Click();
    EXPECT_EQ(titles(), expected("0 - - - - - - 8 - 10 - - - - - - - - - -"));
    expectOtherPageUntouched();
}

TEST_F(SlotCommands, DeleteAndMoveUpOnTheLastSlotEmptiesIt)
{
    fillWholePage();
    openWindow();
    choose(19);
    platform.answers = {MsgAnswer::Ok};
    window->mnuPopDelMove_Click();
    EXPECT_EQ(titles(), expected("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 -"));
    EXPECT_EQ(shown(19), "-");
}

TEST_F(SlotCommands, MoveUpClosesAGapWithoutAskingButNeverOnTheLastSlot)
{
    fillPage({4, 5, 6, 7, 8, 9, 10});
    openWindow(3);

    choose(3);
    window->mnuPopMove_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(titles(), expected("- - - 4 5 6 7 8 9 10 - - - - - - - - - -"));
    EXPECT_EQ(shown(3), "4");
    EXPECT_EQ(shown(10), "-");

    // On the last slot nothing happens, not even a redraw: a change made behind the window's
    // back stays unseen.
    store.ItemTbl(0, 0) = item("hidden");
    choose(19);
    window->mnuPopMove_Click();
    EXPECT_EQ(shown(0), "-");
    EXPECT_EQ(titles(), expected("hidden - - 4 5 6 7 8 9 10 - - - - - - - - - -"));
    expectOtherPageUntouched();
}

TEST_F(SlotCommands, DeleteEmptiesOnlyTheChosenSlot)
{
    fillWholePage();
    openWindow();
    choose(4);
    window->mnuPopDel_Click(); // closed without OK
    EXPECT_EQ(titles()[4], "4");

    platform.answers = {MsgAnswer::Ok};
    window->mnuPopDel_Click();
    expectMessage(platform.messages[1],
                  QStringLiteral("選択アイテムが削除されます。よろしいですか？"),
                  MsgStyle::OkCancel, QStringLiteral("削除確認"));
    EXPECT_EQ(titles(), expected("0 1 2 3 - 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19"));
    EXPECT_EQ(store.ItemTbl(0, 4), clearedItem());
    EXPECT_EQ(shown(4), "-");
}

TEST_F(SlotCommands, CutAndPasteMoveAnItemAndTheBufferServesOnePaste)
{
    fillPage({2, 9});
    store.ItemTbl(0, 2).CmdParam = " -x ";
    store.ItemTbl(0, 2).IsDoc = true;
    store.ItemTbl(0, 2).AssocExe = "/usr/bin/viewer";
    store.ItemTbl(0, 2).IconNo = -4;
    const ItemRec moved = store.ItemTbl(0, 2);
    openWindow(3);

    choose(2);
    window->mnuPopCut_Click();
    EXPECT_TRUE(store.ClipRec.Used);
    EXPECT_EQ(store.ItemTbl(0, 2), clearedItem());
    EXPECT_EQ(shown(2), "-");

    // Pasting replaces a used slot without a question.
    choose(9);
    window->mnuPopPest_Click();
    EXPECT_EQ(store.ItemTbl(0, 9), moved);
    EXPECT_EQ(shown(9), "2");
    EXPECT_EQ(store.ClipRec, clearedItem());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SlotCommands, CopyLeavesTheSlotAndTheScreenAloneAndALaterCutReplacesTheBuffer)
{
    fillPage({2, 5});
    openWindow(3);

    choose(2);
    window->mnuPopCopy_Click();
    EXPECT_EQ(store.ClipRec, item("2"));
    EXPECT_EQ(store.ItemTbl(0, 2), item("2"));

    // No redraw: a change made behind the window's back stays unseen.
    store.ItemTbl(0, 0) = item("hidden");
    choose(5);
    window->mnuPopCopy_Click();
    EXPECT_EQ(shown(0), "-");
    window->mnuPopCut_Click();
    EXPECT_EQ(store.ClipRec, item("5"));

    choose(9);
    window->mnuPopPest_Click();
    choose(2);
    window->mnuPopCopy_Click();
    choose(12);
    window->mnuPopPest_Click();
    EXPECT_EQ(titles(), expected("hidden - 2 - - - - - - 5 - - 2 - - - - - - -"));
    EXPECT_FALSE(store.ClipRec.Used);
}

} // namespace
