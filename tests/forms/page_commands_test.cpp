#include "forms/page_fixture.h"

#include "pages/page_menu.h"

#include <QTest>

namespace {

class PageCommands : public PageTest {
protected:
    const QString insertQuestion = QStringLiteral("最後のページが消滅しますがよろしいですか？");
    const QString outOfRange = QStringLiteral("入力したページが範囲外のため表示されません！");

    void jump(const QString& answer)
    {
        platform.inputs.push_back(answer);
        window->mnuFrmJamp_Click();
    }
};

TEST_F(PageCommands, MenuHoldsTheEntriesInOrderWithTheirCaptions)
{
    const std::vector<std::pair<QString, QString>> expected{
        {"mnuFrmSave", QStringLiteral("保存")},
        {"", "-"},
        {"mnuFrmIns", QStringLiteral("空ﾍﾟｰｼﾞ挿入")},
        {"mnuFrmJamp", QStringLiteral("ﾍﾟｰｼﾞ表示")},
        {"", "-"},
        {"mnuFrmMake", QStringLiteral("ﾍﾟｰｼﾞ作成")},
        {"mnuFrmDel", QStringLiteral("ﾍﾟｰｼﾞ削除")},
        {"", "-"},
        {"mnuFrmQit", QStringLiteral("終了")},
    };
    const std::vector<MenuEntry>& entries = mnuFrm();
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].first) << i;
        EXPECT_EQ(entries[i].caption, expected[i].second) << i;
        EXPECT_TRUE(entries[i].enabled) << i;
    }
}

TEST_F(PageCommands, OnlyARightPressOnTheBackgroundOpensThePageMenu)
{
    openWindow(10);
    window->show();
    const QPoint gapBetweenSlots(92, 30);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, gapBetweenSlots);
    QTest::mousePress(window.get(), Qt::MiddleButton, {}, gapBetweenSlots);
    EXPECT_TRUE(platform.menus.empty());

    QTest::mousePress(window.get(), Qt::RightButton, {}, gapBetweenSlots);
    QTest::mousePress(window.get(), Qt::RightButton, Qt::ShiftModifier, QPoint(2, 2));
    ASSERT_EQ(platform.menus.size(), 2u);
    EXPECT_EQ(platform.menus[0].size(), mnuFrm().size());
    EXPECT_EQ(platform.menus[0][8].name, QStringLiteral("mnuFrmQit"));
    EXPECT_EQ(store.PageCnt, 10); // closed without a choice: nothing ran
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PageCommands, MenuChoicesRunTheirCommands)
{
    openWindow(10);
    window->show();
    for (const char* choice : {"mnuFrmIns", "mnuFrmJamp", "mnuFrmMake", "mnuFrmDel"}) {
        platform.menuChoices.push_back(choice);
        window->openPageMenu();
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0], insertQuestion, MsgStyle::YesNo + MsgStyle::Exclamation,
                  QStringLiteral("挿入確認"));
    EXPECT_EQ(platform.prompts.size(), 1u);
    ASSERT_TRUE(window->inpPage);
    EXPECT_TRUE(window->inpPage->isVisible());
    ASSERT_TRUE(window->inpDelPg);
    EXPECT_TRUE(window->inpDelPg->isVisible());

    // Quitting closes the open dialogs with the window.
    platform.menuChoices.push_back("mnuFrmQit");
    window->openPageMenu();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->inpPage);
    EXPECT_FALSE(window->inpDelPg);
}

TEST_F(PageCommands, InsertOnPageZeroMovesEveryPageUpAndLosesTheLast)
{
    markPages(10);
    openWindow(10);

    platform.answers.push_back(MsgAnswer::No);
    window->mnuFrmIns_Click();
    EXPECT_EQ(markOf(0), "p0");

    platform.answers.push_back(MsgAnswer::Yes);
    window->mnuFrmIns_Click();
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& m : platform.messages)
        expectMessage(m, insertQuestion, MsgStyle::YesNo + MsgStyle::Exclamation,
                      QStringLiteral("挿入確認"));
    EXPECT_TRUE(pageIsClear(0));
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(markOf(p), QString("p%1").arg(p - 1));
        EXPECT_EQ(store.ItemTbl(p, 19).Title, QString("p%1").arg(p - 1));
    }
    EXPECT_EQ(store.PageCnt, 10);
    EXPECT_EQ(store.CurPage, 0);
    EXPECT_EQ(window->windowTitle(), pageTitle(0, 10));
    EXPECT_FALSE(lab(0).isVisibleTo(window.get())); // the empty page is on screen
}

TEST_F(PageCommands, InsertOnTheLastPageOnlyClearsIt)
{
    markPages(10);
    openWindow(10);
    window->VScroll1->setValue(10);
    platform.answers.push_back(MsgAnswer::Yes);
    window->mnuFrmIns_Click();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(pageIsClear(10));
    for (int p = 0; p <= 9; ++p)
        EXPECT_EQ(markOf(p), QString("p%1").arg(p));
    EXPECT_EQ(store.CurPage, 10);
}

TEST_F(PageCommands, JumpShowsPagesInRangeAndRefusesTheRest)
{
    markPages(12);
    openWindow(12);
    jump("12");
    EXPECT_EQ(store.CurPage, 12);
    EXPECT_EQ(lab(0).text(), "p12");
    EXPECT_EQ(window->windowTitle(), pageTitle(12, 12));
    jump("0");
    EXPECT_EQ(store.CurPage, 0);
    jump(QStringLiteral("１２"));
    EXPECT_EQ(store.CurPage, 12);
    jump("  3 ");
    EXPECT_EQ(store.CurPage, 3);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.prompts.size(), 4u);
    EXPECT_EQ(platform.prompts[0].prompt,
              QStringLiteral("表示したいページ数を入力下さい。最小：0、最大：") + "12");
    EXPECT_EQ(platform.prompts[0].title, QStringLiteral("ページ表示入力"));

    const QStringList refused{"13", "-1", "abc", "1.5", "99999", "   "};
    for (const QString& answer : refused)
        jump(answer);
    ASSERT_EQ(platform.messages.size(), size_t(refused.size()));
    for (const auto& m : platform.messages)
        expectMessage(m, outOfRange, MsgStyle::OkOnly + MsgStyle::Stop,
                      QStringLiteral("ページ入力エラー"));
    EXPECT_EQ(store.CurPage, 3);
    EXPECT_EQ(window->windowTitle(), pageTitle(3, 12));

    jump(""); // Cancel
    EXPECT_EQ(platform.messages.size(), size_t(refused.size()));
    EXPECT_EQ(store.CurPage, 3);
}

TEST_F(PageCommands, JumpLeavesTheScrollBarWhereItWas)
{
    openWindow(10);
    window->VScroll1->setValue(2);
    jump("5");
    EXPECT_EQ(store.CurPage, 5);
    EXPECT_EQ(window->VScroll1->value(), 2);
    window->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(store.CurPage, 3);
}

} // namespace
