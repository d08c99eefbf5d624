#include "support/form_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

namespace {

// The keyboard on a shown, active window, with keys typed into whatever holds the focus.
class SlotKeys : public FormTest {
protected:
    void show(int16_t pageCnt = 0)
    {
        openWindow(pageCnt);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void focus(QWidget& w)
    {
        w.setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), &w);
    }
    static bool isSlotMenu(const std::vector<MenuEntry>& menu)
    {
        return !menu.empty() && menu[0].name == "mnuPopCut";
    }
    static bool isPageMenu(const std::vector<MenuEntry>& menu)
    {
        return !menu.empty() && menu[0].name.startsWith("mnuFrm");
    }
    QPoint middleOf(QWidget& w) { return w.mapToGlobal(w.rect().center()); }
    ItemRec program()
    {
        ItemRec r = item("app");
        r.CmdParam = "-a ";
        return r;
    }
};

TEST_F(SlotKeys, ReturnAndSpaceStartTheItemAsALeftClickDoes)
{
    store.ItemTbl(0, 2) = program();
    ItemRec memo = item("memo.txt");
    memo.IsDoc = true;
    memo.ProgName = "/home/u/memo.txt";
    memo.InitDir = "/home/u/";
    memo.AssocExe = "/usr/bin/editor";
    store.ItemTbl(0, 6) = memo;
    ItemRec gone = program();
    gone.InitDir = "/media/usb/";
    store.ItemTbl(0, 7) = gone;
    platform.missingDirectories.insert("/media/usb/");
    show();

    focus(pic(2));
    type(Qt::Key_Return);
    type(Qt::Key_Return, Qt::ControlModifier);
    type(Qt::Key_Space);
    focus(lab(6));
    type(Qt::Key_Enter, Qt::KeypadModifier);
    type(Qt::Key_Space, Qt::ShiftModifier);
    // A key held down does not start the item again.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    focus(pic(0));
    type(Qt::Key_Return);

    ASSERT_EQ(platform.launches.size(), 5u);
    EXPECT_EQ(platform.launches[0].commandLine, QStringLiteral("/opt/tools/app -a "));
    EXPECT_EQ(platform.launches[0].workingDir, QStringLiteral("/opt/tools/"));
    EXPECT_EQ(platform.launches[1].commandLine, QStringLiteral("/opt/tools/app"));
    EXPECT_EQ(platform.launches[2].commandLine, QStringLiteral("/opt/tools/app -a "));
    EXPECT_EQ(platform.launches[3].commandLine,
              QStringLiteral("/usr/bin/editor  /home/u/memo.txt"));
    EXPECT_EQ(platform.launches[4].commandLine, QStringLiteral("/usr/bin/editor /home/u/memo.txt"));
    EXPECT_EQ(platform.cwd, QStringLiteral("/home/u/"));
    EXPECT_TRUE(platform.messages.empty());

    // The same message as a click when the folder is gone.
    focus(pic(7));
    type(Qt::Key_Space);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("/media/usb/"));
    EXPECT_EQ(platform.launches.size(), 5u);
    EXPECT_TRUE(platform.menus.empty());
}

TEST_F(SlotKeys, MenuKeyAndShiftF10OpenTheSlotMenuAtTheSlot)
{
    store.ItemTbl(0, 3) = item("three");
    show();

    focus(pic(3));
    platform.menuChoices = {"mnuPopCopy"};
    type(Qt::Key_Menu);
    ASSERT_EQ(platform.menus.size(), 1u);
    EXPECT_TRUE(isSlotMenu(platform.menus[0]));
    EXPECT_TRUE(platform.menus[0][0].enabled); // cut: the slot is used
    EXPECT_EQ(platform.menuAnchors[0], middleOf(pic(3)));
    EXPECT_EQ(store.CurSlot, 3);
    EXPECT_EQ(store.ClipRec, item("three")); // the chosen command ran

    focus(lab(3));
    type(Qt::Key_F10); // F10 alone is not for the slot
    EXPECT_EQ(platform.menus.size(), 1u);
    focus(pic(8));
    type(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(platform.menus.size(), 2u);
    EXPECT_TRUE(isSlotMenu(platform.menus[1]));
    EXPECT_FALSE(platform.menus[1][0].enabled); // cut: the slot is empty
    EXPECT_TRUE(platform.menus[1][2].enabled);  // paste: the copy is held
    EXPECT_EQ(platform.menuAnchors[1], middleOf(pic(8)));
    EXPECT_EQ(store.CurSlot, 8);

    // With Ctrl the page menu opens, and the slot stays as it was.
    focus(lab(3));
    type(Qt::Key_Menu, Qt::ControlModifier);
    type(Qt::Key_F10, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(platform.menus.size(), 4u);
    EXPECT_TRUE(isPageMenu(platform.menus[2]));
    EXPECT_TRUE(isPageMenu(platform.menus[3]));
    EXPECT_EQ(platform.menuAnchors[3], middleOf(pic(3)));
    EXPECT_EQ(store.CurSlot, 8);

    // A right click afterwards opens at the pointer again.
    QTest::mouseClick(&pic(1), Qt::RightButton);
    ASSERT_EQ(platform.menus.size(), 5u);
    EXPECT_EQ(platform.menuAnchors[4], std::nullopt);
    EXPECT_TRUE(platform.launches.empty());
}

TEST_F(SlotKeys, ArrowsMoveAlongTheGridAndStopAtItsEdges)
{
    store.ItemTbl(0, 7) = item("seven");
    show();
    focus(pic(0));
    const auto moveTo = [&](Qt::Key key) {
        type(key);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(moveTo(Qt::Key_Left), &pic(0));
    EXPECT_EQ(moveTo(Qt::Key_Up), &pic(0));
    EXPECT_EQ(moveTo(Qt::Key_Right), &pic(1));
    EXPECT_EQ(moveTo(Qt::Key_Down), &pic(6));
    EXPECT_EQ(moveTo(Qt::Key_Down), &pic(11));
    EXPECT_EQ(moveTo(Qt::Key_Down), &pic(16));
    EXPECT_EQ(moveTo(Qt::Key_Down), &pic(16));
    for (int i = 0; i < 4; ++i)
        moveTo(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), &pic(19));
    EXPECT_EQ(moveTo(Qt::Key_Up), &pic(14));
    EXPECT_EQ(moveTo(Qt::Key_Right), &pic(14));
    // From a title the focus goes to the neighbouring slot.
    focus(lab(7));
    EXPECT_EQ(moveTo(Qt::Key_Left), &pic(6));
    EXPECT_TRUE(platform.launches.empty());
    EXPECT_TRUE(platform.menus.empty());
}

TEST_F(SlotKeys, PageKeysTurnPagesAsTheScrollBarArrowsDo)
{
    for (int p = 0; p <= 3; ++p)
        store.ItemTbl(p, 0) = item(QString("p%1").arg(p));
    show(3);
    focus(pic(4));
    const auto shown = [&] {
        EXPECT_EQ(window->VScroll1->value(), store.CurPage);
        EXPECT_EQ(window->windowTitle(), pageTitle(store.CurPage, 3));
        return lab(0).text();
    };

    type(Qt::Key_PageUp);
    EXPECT_EQ(shown(), "p0");
    type(Qt::Key_PageDown);
    EXPECT_EQ(shown(), "p1");
    type(Qt::Key_PageDown);
    EXPECT_EQ(shown(), "p2");
    type(Qt::Key_PageUp);
    EXPECT_EQ(shown(), "p1");
    type(Qt::Key_End);
    EXPECT_EQ(shown(), "p3");
    type(Qt::Key_PageDown);
    EXPECT_EQ(shown(), "p3");
    type(Qt::Key_Home);
    EXPECT_EQ(shown(), "p0");
    EXPECT_EQ(QApplication::focusWidget(), &pic(4));

    // After a page shown by other means, Home still goes to page 0 where the bar stands.
    store.CurPage = 2;
    window->DrowData();
    focus(lab(0));
    type(Qt::Key_Home);
    EXPECT_EQ(store.CurPage, 0);
    EXPECT_EQ(lab(0).text(), "p0");
}

// How far a colour's brightness lies from another's, 0 to 255.
int contrast(QColor a, QColor b)
{
    return std::abs(qGray(a.rgb()) - qGray(b.rgb()));
}

TEST_F(SlotKeys, FocusMarkStandsOutOnLightDarkAndEmptySlots)
{
    store.ItemTbl(0, 0) = item("light", 0xFFFFFF);
    store.ItemTbl(0, 1) = item("dark", 0x000000);
    show();
    for (int slot : {0, 1, 2}) {
        const QColor background = pic(slot).grab().toImage().pixelColor(40, 20);
        // The strongest contrast on the slot's edges, across the top and down the title.
        const auto edgeContrast = [&] {
            const QImage shot = window->grab().toImage();
            const QPoint corner = pic(slot).geometry().topLeft();
            int best = 0;
            for (int d = 0; d < 4; ++d) {
                best =
                    std::max(best, contrast(shot.pixelColor(corner + QPoint(40, d)), background));
                best =
                    std::max(best, contrast(shot.pixelColor(corner + QPoint(d, 55)), background));
            }
            return best;
        };
        focus(*window->VScroll1);
        EXPECT_EQ(edgeContrast(), 0) << slot;
        focus(pic(slot));
        EXPECT_GE(edgeContrast(), 128) << slot;
        focus(*window->VScroll1);
        EXPECT_EQ(edgeContrast(), 0) << slot;
    }

    // At twice the scale the rings fill whole device pixels, with no blurred edge between.
    focus(lab(0));
    QImage doubled(window->size() * 2, QImage::Format_ARGB32);
    doubled.setDevicePixelRatio(2);
    window->render(&doubled);
    const QPoint top = pic(0).geometry().topLeft() * 2 + QPoint(80, 0);
    std::vector<QRgb> column;
    for (int y = 0; y < 9; ++y)
        column.push_back(doubled.pixel(top + QPoint(0, y)) & 0xFFFFFF);
    const std::vector<QRgb> expected = {0,        0,        0,        0,       0xFFFFFF,
                                        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    EXPECT_EQ(column, expected);
}

TEST_F(SlotKeys, SlotsAreNamedAndDescribedForScreenReadersAndTooltips)
{
    ItemRec memo = item("A long title <b>that</b> runs past three lines of the label");
    memo.IsDoc = true;
    memo.ProgName = "/home/u/memo.txt";
    memo.InitDir = "/home/u/";
    memo.AssocExe = "/usr/bin/editor";
    memo.CmdParam = "-r ";
    store.ItemTbl(0, 0) = memo;
    store.ItemTbl(1, 0) = program();
    show(1);

    QAccessibleInterface* slot = QAccessible::queryAccessibleInterface(&pic(0));
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->role(), QAccessible::Button);
    EXPECT_EQ(slot->text(QAccessible::Name), memo.Title);
    EXPECT_TRUE(slot->text(QAccessible::Description).contains("/home/u/memo.txt"));
    EXPECT_TRUE(slot->text(QAccessible::Description).contains("/home/u/"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&pic(1))->text(QAccessible::Name),
              QStringLiteral("空き"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->VScroll1)->text(QAccessible::Name),
              QStringLiteral("ページ"));

    // Hovering an unused slot shows nothing; a used one everything a click would start.
    QHelpEvent overEmpty(QEvent::ToolTip, QPoint(5, 5), pic(1).mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&pic(1), &overEmpty);
    EXPECT_FALSE(QToolTip::isVisible());
    for (QWidget* hovered : {static_cast<QWidget*>(&pic(0)), static_cast<QWidget*>(&lab(0))}) {
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), hovered->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(hovered, &hover);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        const QStringList lines = shown.toPlainText().split('\n');
        ASSERT_EQ(lines.size(), 3) << hovered->objectName().toStdString();
        EXPECT_EQ(lines[0], memo.Title);
        EXPECT_TRUE(lines[1].endsWith("/usr/bin/editor -r  /home/u/memo.txt"))
            << lines[1].toStdString();
        EXPECT_TRUE(lines[2].endsWith(" /home/u/")) << lines[2].toStdString();
        QToolTip::hideText();
    }

    // Turning the page renames the slots.
    focus(pic(0));
    type(Qt::Key_PageDown);
    EXPECT_EQ(slot->text(QAccessible::Name), "app");
    EXPECT_TRUE(slot->text(QAccessible::Description).contains("/opt/tools/app"));
    EXPECT_FALSE(slot->text(QAccessible::Description).contains("/home/u/"));
}

} // namespace
