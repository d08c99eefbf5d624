#include "support/form_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

namespace {

// A real press, as the window system delivers it.
void press(QWidget& target, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at(5, 5);
    QMouseEvent event(QEvent::MouseButtonPress, at, target.mapToGlobal(at), button, button,
                      modifiers);
    QApplication::sendEvent(&target, &event);
}

class SlotClicks : public FormTest {
protected:
    std::vector<bool> enabledStates(const std::vector<MenuEntry>& menu)
    {
        std::vector<bool> states;
        for (const MenuEntry& entry : menu)
            states.push_back(entry.enabled);
        return states;
    }
    bool slotMenuOpened() const
    {
        for (const auto& menu : platform.menus)
            for (const MenuEntry& entry : menu)
                if (entry.name == "mnuPopCut")
                    return true;
        return false;
    }
    ItemRec program()
    {
        ItemRec r = item("app");
        r.CmdParam = "-a ";
        return r;
    }
};

TEST_F(SlotClicks, SlotMenuEntriesInOrderWithTheirCaptions)
{
    openWindow();
    press(pic(0), Qt::RightButton);
    ASSERT_EQ(platform.menus.size(), 1u);
    const std::vector<MenuEntry>& menu = platform.menus[0];
    const std::vector<QString> names = {"mnuPopCut", "mnuPopCopy", "mnuPopPest", "",
                                        "mnuPopIns", "mnuPopDelMove", "mnuPopMove", "",
                                        "mnuPopDel", "", "mnuPopProp"};
    const std::vector<QString> captions = {
        "切り取り",
        "コピー",
        "貼り付け",
        "-",
        "空ｱｲﾃﾑ挿入",
        "ｱｲﾃﾑ削除と繰り上げ",
        "ｱｲﾃﾑ繰り上げ",
        "-",
        "ｱｲﾃﾑ削除",
        "-",
        "ｱｲﾃﾑﾌﾟﾛﾊﾟﾃｨ"};
    ASSERT_EQ(menu.size(), names.size());
    for (size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].name, names[i]) << i;
        EXPECT_EQ(menu[i].caption, captions[i]) << i;
    }
}

TEST_F(SlotClicks, MenuEnablingFollowsTheSlotAndTheCutBuffer)
{
    store.ItemTbl(0, 3) = item("used");
    openWindow();
    // In menu order: cut, copy, paste, -, insert, delete and move up, move up, -, delete, -,
    // properties.
    const std::vector<bool> usedNoClip = {true, true, false, true, true, true, false, true,
                                          true, true, true};
    const std::vector<bool> emptyWithClip = {false, false, true, true, true, false, true, true,
                                             false, true, true};
    press(pic(3), Qt::RightButton);
    store.ClipRec = item("copied");
    press(pic(4), Qt::RightButton);
    ASSERT_EQ(platform.menus.size(), 2u);
    EXPECT_EQ(enabledStates(platform.menus[0]), usedNoClip);
    EXPECT_EQ(enabledStates(platform.menus[1]), emptyWithClip);
    // The menu closed without a choice; the pressed slot stays selected all the same.
    EXPECT_EQ(store.CurSlot, 4);

    press(lab(3), Qt::RightButton);  // the label is part of its slot
    EXPECT_EQ(store.CurSlot, 3);
    ASSERT_EQ(platform.menus.size(), 3u);
    EXPECT_TRUE(platform.menus[2][2].enabled);
}

TEST_F(SlotClicks, ModifiersOpenThePageMenuAndLeaveTheSlotAlone)
{
    store.ItemTbl(0, 5) = program();
    openWindow();
    store.CurSlot = 9;
    for (Qt::KeyboardModifiers held : {Qt::KeyboardModifiers(Qt::ShiftModifier),
                                       Qt::KeyboardModifiers(Qt::ControlModifier),
                                       Qt::KeyboardModifiers(Qt::AltModifier),
                                       Qt::ShiftModifier | Qt::ControlModifier}) {
        press(pic(5), Qt::RightButton, held);
        press(lab(5), Qt::RightButton, held);
    }
    EXPECT_EQ(store.CurSlot, 9);
    EXPECT_FALSE(slotMenuOpened());
    EXPECT_TRUE(platform.launches.empty());
}

TEST_F(SlotClicks, LeftPressStartsTheItemInItsFolder)
{
    store.ItemTbl(0, 2) = program();
    ItemRec memo = item("memo.txt");
    memo.IsDoc = true;
    memo.ProgName = "/home/u/My Docs/memo.txt";
    memo.InitDir = "/home/u/My Docs/";
    memo.AssocExe = "/usr/bin/editor";
    store.ItemTbl(0, 6) = memo;
    openWindow();
    const ItemRec before = store.ItemTbl(0, 2);

    press(pic(2), Qt::LeftButton);
    press(lab(2), Qt::LeftButton, Qt::ControlModifier);
    press(pic(6), Qt::LeftButton);
    press(lab(6), Qt::LeftButton, Qt::ShiftModifier);

    ASSERT_EQ(platform.launches.size(), 4u);
    EXPECT_EQ(platform.launches[0].commandLine, QStringLiteral("/opt/tools/app -a "));
    EXPECT_EQ(platform.launches[0].workingDir, QStringLiteral("/opt/tools/"));
    EXPECT_EQ(platform.launches[1].commandLine, QStringLiteral("/opt/tools/app"));
    EXPECT_EQ(platform.launches[2].commandLine,
              QStringLiteral("/usr/bin/editor  /home/u/My Docs/memo.txt"));
    EXPECT_EQ(platform.launches[2].workingDir, QStringLiteral("/home/u/My Docs/"));
    EXPECT_EQ(platform.launches[3].commandLine,
              QStringLiteral("/usr/bin/editor /home/u/My Docs/memo.txt"));
    // The launcher stays in the last item's folder.
    EXPECT_EQ(platform.cwd, QStringLiteral("/home/u/My Docs/"));
    EXPECT_EQ(platform.directoryChanges.size(), 4u);
    EXPECT_EQ(store.ItemTbl(0, 2), before);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.menus.empty());
}

TEST_F(SlotClicks, EmptySlotsMiddleButtonAndFolderlessItems)
{
    ItemRec noFolder = program();
    noFolder.InitDir.clear();
    store.ItemTbl(0, 1) = noFolder;
    openWindow();

    press(pic(0), Qt::LeftButton);
    press(pic(1), Qt::MiddleButton);
    EXPECT_TRUE(platform.launches.empty());
    EXPECT_TRUE(platform.menus.empty());

    // Without a folder the item starts where the launcher is, and nothing moves.
    press(pic(1), Qt::LeftButton);
    ASSERT_EQ(platform.launches.size(), 1u);
    EXPECT_EQ(platform.launches[0].workingDir, QString());
    EXPECT_TRUE(platform.directoryChanges.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SlotClicks, FailuresAreToldAndStartNothing)
{
    store.ItemTbl(0, 0) = program();
    ItemRec gone = program();
    gone.InitDir = "/media/usb/tools/";
    store.ItemTbl(0, 1) = gone;
    openWindow();
    platform.missingDirectories.insert("/media/usb/tools/");

    press(pic(1), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0], containing({"/media/usb/tools/"}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, "Mosaro");
    EXPECT_TRUE(platform.launches.empty());

    platform.startError = "no such program";
    press(pic(0), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(platform.messages[1], containing({"/opt/tools/app -a ", "no such program"}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, "Mosaro");
    EXPECT_TRUE(platform.launches.empty());
    EXPECT_EQ(store.ItemTbl(0, 0), program());
}

TEST_F(SlotClicks, DoubleClickIsOnePress)
{
    store.ItemTbl(0, 2) = program();
    openWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    // Through the window system's queue, as a person's double-click arrives: press, release,
    // press, release in quick succession, which Qt turns into a double-click.
    QWindow* handle = window->windowHandle();
    QTest::mouseDClick(handle, Qt::LeftButton, {}, pic(2).mapTo(window.get(), QPoint(5, 5)));
    QTest::mouseDClick(handle, Qt::LeftButton, {}, lab(2).mapTo(window.get(), QPoint(5, 5)));
    EXPECT_EQ(platform.launches.size(), 2u);

    // The same events handed to the widgets themselves: press, release, double-click, release.
    for (QWidget* target : {static_cast<QWidget*>(&pic(2)), static_cast<QWidget*>(&lab(2))}) {
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
    }
    EXPECT_EQ(platform.launches.size(), 4u);

    QTest::mouseClick(&pic(2), Qt::RightButton);
    QTest::mouseDClick(&pic(2), Qt::RightButton);
    QTest::mouseRelease(&pic(2), Qt::RightButton);
    EXPECT_EQ(platform.menus.size(), 1u);
}

TEST_F(SlotClicks, DesktopEntriesStartThroughTheEntryWithTheItemsArguments)
{
    ItemRec viewer = item("viewer");
    viewer.ProgName = "/usr/share/applications/viewer.desktop";
    viewer.InitDir = "/opt/viewer/";
    viewer.CmdParam = "--new ";
    store.ItemTbl(0, 0) = viewer;
    ItemRec photo = item("photo");
    photo.IsDoc = true;
    photo.ProgName = "/home/u/a b.jpg";
    photo.InitDir = "/home/u/";
    photo.AssocExe = "/usr/share/applications/viewer.desktop";
    photo.CmdParam = "-f ";
    store.ItemTbl(0, 1) = photo;
    openWindow();

    press(pic(0), Qt::LeftButton);
    press(pic(0), Qt::LeftButton, Qt::AltModifier);
    press(lab(1), Qt::LeftButton);
    press(pic(1), Qt::LeftButton, Qt::ShiftModifier);

    EXPECT_TRUE(platform.launches.empty());
    ASSERT_EQ(platform.entryLaunches.size(), 4u);
    const QString entry = "/usr/share/applications/viewer.desktop";
    const auto expectLaunch = [&](size_t i, const QString& parameters, const QString& document,
                                  const QString& folder) {
        const ScriptedPlatform::EntryLaunch& launch = platform.entryLaunches[i];
        EXPECT_EQ(launch.entryFile, entry) << i;
        EXPECT_EQ(launch.parameters, parameters) << i;
        EXPECT_EQ(launch.document, document) << i;
        EXPECT_EQ(launch.workingDir, folder) << i;
    };
    expectLaunch(0, "--new ", QString(), "/opt/viewer/");
    expectLaunch(1, QString(), QString(), "/opt/viewer/");  // a modifier drops the parameters
    expectLaunch(2, "-f ", "/home/u/a b.jpg", "/home/u/");
    expectLaunch(3, QString(), "/home/u/a b.jpg", "/home/u/");

    // A broken entry is told, naming it, as a missing program is.
    platform.startError = "no Exec";
    press(pic(0), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0], containing({entry, "no Exec"}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, "Mosaro");
}

}  // namespace
