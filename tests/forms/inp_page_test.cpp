#include "forms/page_fixture.h"

#include "pages/inp_page.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class InpPageForm : public PageTest {
protected:
    InpPage* open()
    {
        window->mnuFrmMake_Click();
        return qobject_cast<InpPage*>(window->inpPage.data());
    }
};

TEST_F(InpPageForm, LooksAsDesigned)
{
    openWindow(10);
    InpPage* d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("ページ作成"));
    EXPECT_EQ(d->parentWidget(), nullptr);
    EXPECT_EQ(d->windowType(), Qt::Tool);
    EXPECT_FALSE(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(d->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(d->size(), QSize(312, 135));
    EXPECT_EQ(d->minimumSize(), d->maximumSize());

    EXPECT_EQ(d->Label1->text(), QStringLiteral("最大1000まで作成できます。"));
    EXPECT_EQ(d->Label2->text(), QStringLiteral("ここでは少なくできません。"));
    EXPECT_EQ(d->ComOk->text(), QStringLiteral("適用"));
    EXPECT_EQ(d->ComNot->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(d->Label1->geometry(), QRect(16, 8, 185, 17));
    EXPECT_EQ(d->HScroll1->geometry(), QRect(8, 56, 289, 17));
    EXPECT_EQ(d->labPage->geometry(), QRect(64, 88, 49, 17));
    EXPECT_EQ(d->ComOk->geometry(), QRect(152, 88, 65, 25));
    EXPECT_EQ(d->ComNot->geometry(), QRect(232, 88, 65, 25));

    EXPECT_EQ(d->Label1->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_DOUBLE_EQ(d->Label2->font().pointSizeF(), 11.25);
    EXPECT_DOUBLE_EQ(d->labPage->font().pointSizeF(), 12);
    EXPECT_EQ(d->Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(d->labPage->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // Focus starts on the scroll bar and moves on to the buttons; no button is the default.
    EXPECT_EQ(d->focusWidget(), d->HScroll1);
    EXPECT_EQ(nextTabStop(d->HScroll1), d->ComOk);
    EXPECT_EQ(nextTabStop(d->ComOk), d->ComNot);
}

TEST_F(InpPageForm, EnterPressesOnlyTheFocusedButtonEscapeNone)
{
    openWindow(10);
    InpPage* d = open();
    d->show();
    QTest::keyClick(d->HScroll1, Qt::Key_Right);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(d->HScroll1, key);
    EXPECT_TRUE(d->isVisible());
    QTest::keyClick(d->ComOk, Qt::Key_Escape);
    EXPECT_TRUE(d->isVisible());
    QTest::keyClick(d->ComOk, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(store.PageCnt, 11);
}

TEST_F(InpPageForm, ThumbStartsAtThePageCountAndLabelFollowsIt)
{
    openWindow(10);
    InpPage* d = open();
    EXPECT_EQ(d->HScroll1->minimum(), 10);
    EXPECT_EQ(d->HScroll1->maximum(), 1000);
    EXPECT_EQ(d->HScroll1->value(), 10);
    EXPECT_EQ(d->labPage->text(), "10");
    EXPECT_EQ(d->HScroll1->singleStep(), 1);
    EXPECT_EQ(d->HScroll1->pageStep(), 10);

    d->HScroll1->setValue(3); // below the page count it was opened with
    EXPECT_EQ(d->HScroll1->value(), 10);

    d->HScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(d->labPage->text(), "20");
    d->HScroll1->setSliderDown(true);
    d->HScroll1->setSliderPosition(250);
    EXPECT_EQ(d->labPage->text(), "250"); // while dragged
    EXPECT_EQ(d->HScroll1->value(), 20);
    d->HScroll1->setSliderDown(false);
    EXPECT_EQ(d->HScroll1->value(), 250);
    EXPECT_EQ(store.PageCnt, 10); // nothing until applied
}

TEST_F(InpPageForm, KeysMoveTheThumbTheWayTheyPoint)
{
    openWindow(10);
    InpPage* d = open();
    const std::vector<std::pair<Qt::Key, int>> moves{
        {Qt::Key_Right, 11}, {Qt::Key_Down, 12},   {Qt::Key_PageDown, 22}, {Qt::Key_Left, 21},
        {Qt::Key_Up, 20},    {Qt::Key_PageUp, 10}, {Qt::Key_End, 1000},    {Qt::Key_Home, 10},
    };
    for (const auto& [key, value] : moves) {
        QTest::keyClick(d->HScroll1, key);
        EXPECT_EQ(d->HScroll1->value(), value) << key;
        EXPECT_EQ(d->labPage->text(), QString::number(value)) << key;
    }
}

TEST_F(InpPageForm, ApplySetsThePageCountScrollRangeAndTitleOnly)
{
    markPages(10);
    openWindow(10);
    window->VScroll1->setValue(4);
    InpPage* d = open();
    d->HScroll1->setValue(1000);
    store.ItemTbl(4, 0).Title = "changed behind the window's back";
    d->ComOk->click();
    EXPECT_EQ(store.PageCnt, 1000);
    EXPECT_EQ(store.CurPage, 4);
    EXPECT_EQ(window->VScroll1->maximum(), 1000);
    EXPECT_EQ(window->VScroll1->value(), 4);
    EXPECT_EQ(window->windowTitle(), pageTitle(4, 1000));
    EXPECT_EQ(lab(0).text(), "p4"); // the slots are not redrawn
    settle();
    EXPECT_FALSE(window->inpPage);

    // At the top already: the thumb cannot move and applying keeps 1000.
    d = open();
    EXPECT_EQ(d->HScroll1->minimum(), 1000);
    EXPECT_EQ(d->labPage->text(), "1000");
    d->ComOk_Click();
    EXPECT_EQ(store.PageCnt, 1000);
}

TEST_F(InpPageForm, CancelAndCloseBoxChangeNothing)
{
    openWindow(10);
    open()->HScroll1->setValue(40);
    window->inpPage->findChild<QPushButton*>("ComNot")->click();
    EXPECT_FALSE(window->inpPage->isVisible());
    open()->HScroll1->setValue(50);
    window->inpPage->close();
    settle();
    EXPECT_EQ(store.PageCnt, 10);
    EXPECT_EQ(window->VScroll1->maximum(), 10);
    EXPECT_FALSE(window->inpPage);
}

TEST_F(InpPageForm, OpensOnceAndLoadsAfreshOnlyAfterAClose)
{
    openWindow(10);
    InpPage* first = open();
    first->HScroll1->setValue(30);
    store.PageCnt = 12; // pages made elsewhere meanwhile
    EXPECT_EQ(open(), first);
    EXPECT_EQ(first->HScroll1->minimum(), 10);
    EXPECT_EQ(first->HScroll1->value(), 30);
    EXPECT_EQ(first->labPage->text(), "30");

    const QPointer<InpPage> closed(first);
    first->ComNot_Click();
    InpPage* second = open(); // even before the closed one is gone
    EXPECT_FALSE(closed);
    EXPECT_EQ(second->HScroll1->minimum(), 12);
    EXPECT_EQ(second->labPage->text(), "12");
    settle();
    EXPECT_EQ(window->inpPage, second);
}

TEST_F(InpPageForm, ApplyAfterADeletionMeanwhileUsesThisDialogsValue)
{
    openWindow(30);
    InpPage* d = open();
    store.PageCnt = 10; // lowered by the deletion dialog while this one was open
    window->VScroll1->setMaximum(10);
    d->ComOk_Click();
    EXPECT_EQ(store.PageCnt, 30);
    EXPECT_EQ(window->VScroll1->maximum(), 30);
}

} // namespace
