#include "forms/page_fixture.h"

#include "pages/inp_page.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

class ScrollBars : public PageTest {
protected:
    void showActive(QWidget& w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    // A key as the keyboard delivers it: to whatever holds the focus.
    static void key(Qt::Key k) { QTest::keyClick(static_cast<QWidget*>(nullptr), k); }

    // Right-clicks through the window system's queue. A menu runs its own event loop, so
    // it is looked for (and closed) from inside that loop.
    static bool rightClickOpensAMenu(QWidget& target)
    {
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMenu*>(w) && w->isVisible()) {
                    opened = true;
                    w->close();
                }
            }
        });
        QWidget* window = target.window();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          target.mapTo(window, target.rect().center()));
        QCoreApplication::processEvents();
        return opened;
    }
};

TEST_F(ScrollBars, PageScrollBarIsATabStopAndStepsWithKeys)
{
    openWindow(30);
    showActive(*window);
    pic(0).setFocus();
    for (int i = 0; i < 20; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->VScroll1);

    key(Qt::Key_Down);
    EXPECT_EQ(store.CurPage, 1);
    key(Qt::Key_PageDown);
    EXPECT_EQ(store.CurPage, 11);
    key(Qt::Key_Up);
    EXPECT_EQ(store.CurPage, 10);
    EXPECT_EQ(window->windowTitle(), pageTitle(10, 30));
}

TEST_F(ScrollBars, RightClickOnAScrollBarOpensNoMenu)
{
    openWindow(30);
    showActive(*window);
    EXPECT_FALSE(rightClickOpensAMenu(*window->VScroll1));
    EXPECT_TRUE(platform.menus.empty());  // nor the page menu of the window behind it
    EXPECT_EQ(store.CurPage, 0);

    window->mnuFrmMake_Click();
    auto* dialog = qobject_cast<InpPage*>(window->inpPage.data());
    ASSERT_TRUE(dialog);
    showActive(*dialog);
    EXPECT_FALSE(rightClickOpensAMenu(*dialog->HScroll1));
    EXPECT_EQ(dialog->HScroll1->value(), 30);
}

}  // namespace
