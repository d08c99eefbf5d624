#include "forms/page_fixture.h"

#include "pages/inp_del_pg.h"
#include "pages/inp_page.h"
#include "platform/widgets/key_text_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class InpDelPgForm : public PageTest {
protected:
    const QString question =
        QStringLiteral("データが消滅する可能性があります。本当に削除してよろしいですか？");

    InpDelPg* open()
    {
        window->mnuFrmDel_Click();
        return qobject_cast<InpDelPg*>(window->inpDelPg.data());
    }
    // Opens the dialog with both boxes set and applies, answering the question with `answer`.
    InpDelPg* apply(const QString& first, const QString& last, int answer = MsgAnswer::Ok)
    {
        InpDelPg* d = open();
        d->TexPag[0]->setText(first);
        d->TexPag[1]->setText(last);
        platform.answers.push_back(answer);
        d->ComOk->click();
        return d;
    }
    void type(QWidget* box, std::initializer_list<Qt::Key> keys,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(box, key, modifiers);
    }
};

TEST_F(InpDelPgForm, LooksAsDesigned)
{
    openWindow(10);
    InpDelPg* d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("ページ削除"));
    EXPECT_EQ(d->parentWidget(), nullptr);
    EXPECT_EQ(d->windowType(), Qt::Tool);
    EXPECT_EQ(d->size(), QSize(273, 113));
    EXPECT_EQ(d->Label1->text(), QStringLiteral("10ページ以下は、領域を削除しません。"));
    EXPECT_EQ(d->Label2->text(), QStringLiteral("から"));
    EXPECT_EQ(d->ComOk->text(), QStringLiteral("適用"));
    EXPECT_EQ(d->ComNot->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(d->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(d->Label1->font().pointSizeF(), 11.25);
    EXPECT_DOUBLE_EQ(d->Label2->font().pointSizeF(), 12);
    EXPECT_EQ(d->Label1->geometry(), QRect(8, 8, 257, 17));
    EXPECT_EQ(d->TexPag[0]->geometry(), QRect(8, 40, 41, 25));
    EXPECT_EQ(d->Label2->geometry(), QRect(64, 48, 33, 17));
    EXPECT_EQ(d->TexPag[1]->geometry(), QRect(104, 40, 41, 25));
    EXPECT_EQ(d->ComOk->geometry(), QRect(120, 80, 65, 25));
    EXPECT_EQ(d->ComNot->geometry(), QRect(200, 80, 65, 25));
    for (int i : {0, 1}) {
        EXPECT_EQ(d->TexPag[size_t(i)]->objectName(), QString("TexPag(%1)").arg(i));
        EXPECT_TRUE(d->TexPag[size_t(i)]->isReadOnly());
        EXPECT_TRUE(d->TexPag[size_t(i)]->text().isEmpty());
    }
    EXPECT_EQ(d->focusWidget(), d->TexPag[0]);
    EXPECT_EQ(nextTabStop(d->TexPag[0]), d->TexPag[1]);
    EXPECT_EQ(nextTabStop(d->TexPag[1]), d->ComOk);
    EXPECT_EQ(nextTabStop(d->ComOk), d->ComNot);
}

TEST_F(InpDelPgForm, DigitKeysAppendEnterMovesOnFirstBoxIsCopied)
{
    openWindow(200);
    InpDelPg* d = open();
    d->show();
    KeyTextBox* first = d->TexPag[0];
    KeyTextBox* last = d->TexPag[1];

    type(first, {Qt::Key_1, Qt::Key_2});
    EXPECT_EQ(first->text(), "12");
    EXPECT_EQ(last->text(), "12");
    type(first, {Qt::Key_Return});
    EXPECT_EQ(d->focusWidget(), last);
    EXPECT_EQ(first->text(), "12");
    type(last, {Qt::Key_5});
    EXPECT_EQ(last->text(), "125");
    EXPECT_EQ(first->text(), "12");
    type(last, {Qt::Key_Enter}, Qt::KeypadModifier);
    EXPECT_EQ(d->focusWidget(), first);

    // The keypad's digits, letters and editing keys leave the boxes alone; Shift is ignored.
    type(first, {Qt::Key_7, Qt::Key_8}, Qt::KeypadModifier);
    type(first, {Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Minus});
    EXPECT_EQ(first->text(), "12");
    type(first, {Qt::Key_3}, Qt::ShiftModifier);
    EXPECT_EQ(first->text(), "123");

    // A fifth digit is dropped, in both boxes.
    type(first, {Qt::Key_4, Qt::Key_9});
    EXPECT_EQ(first->text(), "1234");
    EXPECT_EQ(last->text(), "1234");
    last->setText("98765");
    EXPECT_EQ(last->text(), "9876");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(InpDelPgForm, DeletingPagesFiveToEightOfTwelve)
{
    markPages(12);
    openWindow(12);
    InpDelPg* d = apply("5", "8");
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0], question, MsgStyle::OkCancel, QStringLiteral("削除確認"));
    for (int p = 0; p <= 4; ++p)
        EXPECT_EQ(markOf(p), QString("p%1").arg(p));
    for (int p = 5; p <= 8; ++p) {
        EXPECT_EQ(markOf(p), QString("p%1").arg(p + 4));
        EXPECT_EQ(store.ItemTbl(p, 19).Title, QString("p%1").arg(p + 4));
    }
    for (int p = 9; p <= 12; ++p)
        EXPECT_TRUE(pageIsClear(p)) << p;
    EXPECT_EQ(store.PageCnt, 10);
    EXPECT_EQ(window->VScroll1->maximum(), 10);
    EXPECT_EQ(window->windowTitle(), pageTitle(0, 10));
    EXPECT_FALSE(d->isVisible());
    settle();
    EXPECT_FALSE(window->inpDelPg);
}

TEST_F(InpDelPgForm, FloorOfTenPages)
{
    markPages(30);
    openWindow(30);
    apply("0", "30");
    for (int p = 0; p <= 30; ++p)
        EXPECT_TRUE(pageIsClear(p)) << p;
    EXPECT_EQ(store.PageCnt, 10);

    store = ItemStore();
    markPages(5);
    openWindow(5);
    apply("2", "2");
    EXPECT_EQ(markOf(1), "p1");
    for (int p = 2; p <= 4; ++p)
        EXPECT_EQ(markOf(p), QString("p%1").arg(p + 1));
    EXPECT_TRUE(pageIsClear(5));
    EXPECT_EQ(store.PageCnt, 10);
    EXPECT_EQ(window->VScroll1->maximum(), 10);
}

TEST_F(InpDelPgForm, CurrentPageKeepsItsNumberOrFollowsTheLastPageDown)
{
    markPages(100);
    openWindow(100);
    window->VScroll1->setValue(50);
    apply("10", "19");
    EXPECT_EQ(store.PageCnt, 90);
    EXPECT_EQ(store.CurPage, 50);
    EXPECT_EQ(window->VScroll1->value(), 50);
    EXPECT_EQ(lab(0).text(), "p60");
    EXPECT_EQ(window->windowTitle(), pageTitle(50, 90));

    store = ItemStore();
    markPages(100);
    openWindow(100);
    window->VScroll1->setValue(95);
    apply("0", "49");
    EXPECT_EQ(store.PageCnt, 50);
    EXPECT_EQ(store.CurPage, 50);
    EXPECT_EQ(window->VScroll1->value(), 50); // pulled down with the maximum
    EXPECT_EQ(lab(0).text(), "p100");
    EXPECT_EQ(window->windowTitle(), pageTitle(50, 50));
}

TEST_F(InpDelPgForm, BadRangesResetABoxWithoutAWord)
{
    markPages(30);
    openWindow(30);
    InpDelPg* d = apply("5", "58");
    EXPECT_EQ(d->TexPag[0]->text(), "5");
    EXPECT_EQ(d->TexPag[1]->text(), "0");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(d->isVisible());

    d->TexPag[0]->setText("31");
    d->TexPag[1]->setText("99");
    d->ComOk_Click();
    EXPECT_EQ(d->TexPag[0]->text(), "0"); // only the first failing box, copied on
    EXPECT_EQ(d->TexPag[1]->text(), "0");

    d->TexPag[0]->clear(); // empty boxes count as out of range
    d->ComOk_Click();
    EXPECT_EQ(d->TexPag[0]->text(), "0");
    d->TexPag[0]->setText("5");
    d->TexPag[1]->clear();
    d->ComOk_Click();
    EXPECT_EQ(d->TexPag[1]->text(), "0");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(store.PageCnt, 30);
    EXPECT_EQ(markOf(5), "p5");

    // "08" reads as page 8.
    QTest::keyClick(d->TexPag[1], Qt::Key_8);
    EXPECT_EQ(d->TexPag[1]->text(), "08");
    platform.answers.push_back(MsgAnswer::Ok);
    d->ComOk_Click();
    EXPECT_EQ(markOf(5), "p9");
    EXPECT_EQ(store.PageCnt, 26);
}

TEST_F(InpDelPgForm, ReversedRangeDeletesTheFirstPageOnlyAndCancelKeepsTheBoxes)
{
    markPages(30);
    openWindow(30);
    InpDelPg* d = apply("7", "3", MsgAnswer::Cancel);
    EXPECT_EQ(d->TexPag[1]->text(), "7");
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(store.PageCnt, 30);
    EXPECT_EQ(markOf(7), "p7");

    platform.answers.push_back(MsgAnswer::Ok);
    d->ComOk_Click();
    EXPECT_EQ(markOf(6), "p6");
    EXPECT_EQ(markOf(7), "p8");
    EXPECT_EQ(store.PageCnt, 29);
}

TEST_F(InpDelPgForm, OpensOnceKeepingItsBoxes)
{
    openWindow(30);
    InpDelPg* d = open();
    d->TexPag[0]->setText("4");
    EXPECT_EQ(open(), d);
    EXPECT_EQ(d->TexPag[0]->text(), "4");
    const QPointer<InpDelPg> closed(d);
    d->ComNot->click();
    EXPECT_EQ(store.PageCnt, 30);
    InpDelPg* again = open();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(again->TexPag[0]->text().isEmpty());
}

TEST_F(InpDelPgForm, BothDialogsTogetherReadThePageCountWhenPressed)
{
    markPages(30);
    openWindow(30);
    window->mnuFrmMake_Click();
    auto* make = qobject_cast<InpPage*>(window->inpPage.data());
    InpDelPg* del = open();
    ASSERT_TRUE(make && del);
    EXPECT_TRUE(make->isVisible() && del->isVisible());

    make->HScroll1->setValue(40);
    make->ComOk_Click();
    del->TexPag[0]->setText("35"); // beyond the count the dialog was opened with
    platform.answers.push_back(MsgAnswer::Ok);
    del->ComOk_Click();
    EXPECT_EQ(store.PageCnt, 39);
    EXPECT_EQ(window->windowTitle(), pageTitle(0, 39));
}

TEST_F(InpDelPgForm, ClosingTheMainWindowTakesTheDialogsAlong)
{
    markPages(30);
    openWindow(30);
    window->show();
    window->mnuFrmMake_Click();
    open()->TexPag[0]->setText("3");
    window->close();
    EXPECT_FALSE(window->inpPage);
    EXPECT_FALSE(window->inpDelPg);
}

// A platform that closes the main window while the deletion question is up, as a session
// ending or a termination signal would.
class ClosingPlatform : public ScriptedPlatform {
public:
    Mosaro* window = nullptr;
    int messageBox(const QString& text, int style, const QString& title) override
    {
        window->close();
        return ScriptedPlatform::messageBox(text, style, title);
    }
};

TEST(InpDelPgClose, MainWindowClosedDuringTheQuestionLeavesTheTableAsWritten)
{
    QTemporaryDir dir;
    ItemStore store;
    ClosingPlatform platform;
    platform.folder = dir.path();
    store.PageCnt = 30;
    store.ItemTbl(5, 0).Title = "five";
    store.ItemTbl(5, 0).Used = true;
    Mosaro window(store, platform);
    platform.window = &window;
    window.show();
    window.mnuFrmDel_Click();
    auto* d = qobject_cast<InpDelPg*>(window.inpDelPg.data());
    d->TexPag[0]->setText("5");
    platform.answers.push_back(MsgAnswer::Ok);
    d->ComOk_Click();
    EXPECT_FALSE(window.inpDelPg);
    EXPECT_EQ(store.PageCnt, 30);
    EXPECT_EQ(store.ItemTbl(5, 0).Title, "five");
}

} // namespace
