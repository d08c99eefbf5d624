#include "support/form_fixture.h"

#include "platform/widgets/bgr_color.h"

namespace {

QColor pixel(PicBox& p, int x, int y)
{
    return p.image().pixelColor(x, y);
}

class PageDisplay : public FormTest {};

TEST_F(PageDisplay, TitleShowsCurrentPageAndPageCount)
{
    openWindow(12);
    store.CurPage = 7;
    window->DrowData();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mosaro ver1.0  page [7/12]"));
}

TEST_F(PageDisplay, UsedSlotsShowColourIconAndTitleEmptySlotsDarkGrey)
{
    store.ItemTbl(0, 3) = item("エディタ", 0x0000FF);  // red
    store.ItemTbl(0, 4) = item("blank", NewItemColor);
    store.ItemTbl(0, 4).Title.clear();
    platform.icons[{"/opt/tools/エディタ", 0}] = solidImage(Qt::green);
    openWindow();

    EXPECT_EQ(pixel(pic(3), 1, 1), QColor(Qt::green));       // icon at the top-left corner
    EXPECT_EQ(pixel(pic(3), 40, 40), QColor(255, 0, 0));     // the item's colour elsewhere
    EXPECT_EQ(lab(3).text(), QStringLiteral("エディタ"));
    EXPECT_TRUE(lab(3).isVisibleTo(window.get()));
    EXPECT_EQ(lab(3).backColor(), 0x0000FF);

    EXPECT_EQ(pixel(pic(4), 1, 1), QColor(Qt::magenta));     // no icon in the file: fallback
    EXPECT_TRUE(lab(4).isVisibleTo(window.get()));
    EXPECT_EQ(lab(4).text(), QString());

    EXPECT_EQ(pixel(pic(0), 1, 1), QColor(64, 64, 64));
    EXPECT_FALSE(lab(0).isVisibleTo(window.get()));
    EXPECT_FALSE(lab(0).isEnabled());
}

TEST_F(PageDisplay, RedrawLeavesNoTraceOfAnEmptiedSlot)
{
    store.ItemTbl(0, 4) = item("gone");
    platform.icons[{"/opt/tools/gone", 0}] = solidImage(Qt::green);
    openWindow();
    ASSERT_EQ(pixel(pic(4), 1, 1), QColor(Qt::green));

    store.ItemTbl(0, 4) = clearedItem();
    window->DrowData();
    for (QPoint p : {QPoint(1, 1), QPoint(20, 20), QPoint(40, 50)})
        EXPECT_EQ(pixel(pic(4), p.x(), p.y()), QColor(64, 64, 64));
    EXPECT_FALSE(lab(4).isVisibleTo(window.get()));
}

TEST_F(PageDisplay, ScrollingChangesThePageOnlyThroughTheScrollBar)
{
    store.ItemTbl(2, 0) = item("two");
    openWindow(5);
    EXPECT_EQ(window->VScroll1->maximum(), 5);

    window->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(store.CurPage, 1);
    window->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(store.CurPage, 2);
    EXPECT_EQ(lab(0).text(), QStringLiteral("two"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mosaro ver1.0  page [2/5]"));

    window->VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(store.CurPage, 5);  // the trough steps 10, kept within the maximum

    // While the thumb is dragged the page stays; it changes on release.
    window->VScroll1->setSliderDown(true);
    window->VScroll1->setSliderPosition(3);
    EXPECT_EQ(store.CurPage, 5);
    window->VScroll1->setSliderDown(false);
    EXPECT_EQ(store.CurPage, 3);
}

TEST_F(PageDisplay, LayoutFollowsTheTwipGrid)
{
    openWindow();
    EXPECT_EQ(window->size(), QSize(473, 295));
    EXPECT_EQ(pic(0).geometry(), QRect(8, 8, 81, 65));
    EXPECT_EQ(pic(19).geometry(), QRect(8 + 4 * 88, 8 + 3 * 72, 81, 65));
    EXPECT_EQ(lab(7).geometry(), QRect(0, 32, 81, 33));
    EXPECT_EQ(window->VScroll1->geometry(), QRect(448, 8, 17, 281));
}

}  // namespace
