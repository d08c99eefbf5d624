#include "support/form_fixture.h"

#include "editing/inp_data.h"
#include "platform/widgets/bgr_color.h"
#include "store/item_file.h"
#include "support/files.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

const QString IconFilter = QStringLiteral("*.exe(実行ﾌｧｲﾙ)|*.exe|*.ico(ｱｲｺﾝ)|*.ico|*.*(全て)|*.*");
const QString ProgramFilter =
    QStringLiteral("*.exe(実行ﾌｧｲﾙ);*.scr(ｽｸﾘｰﾝｾｰﾊﾞｰ)|*.exe;*.scr|*.*(全て)|*.*");

class ItemProperties : public FormTest {
protected:
    QPointer<InpData> dialog;

    void open(int page, int slot)
    {
        store.CurPage = int16_t(page);
        store.CurSlot = int16_t(slot);
        window->mnuPopProp_Click();
        dialog = qobject_cast<InpData*>(window->inpData.data());
        ASSERT_TRUE(dialog);
    }

    QLineEdit& text(int i) { return *dialog->findChild<QLineEdit*>(QString("Text1(%1)").arg(i)); }
    QPushButton& button(const char* name) { return *dialog->findChild<QPushButton*>(name); }
    PicBox& preview() { return *dialog->findChild<PicBox*>("Picture1"); }
    QColor previewAt(int x, int y) { return preview().image().pixelColor(x, y); }
    int32_t swatch() { return toBgr(button("ComColor").palette().color(QPalette::Button)); }

    void typeKey(QWidget& target, int key, const QString& character)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QApplication::sendEvent(&target, &press);
    }
    // What an input method does when the user confirms a conversion.
    void commit(QWidget& target, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&target, &event);
    }
    void pressOnPreview(Qt::MouseButton which)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), which, which,
                          Qt::NoModifier);
        QApplication::sendEvent(&preview(), &press);
    }
    void chooseFile(const QString& path)
    {
        platform.files.push_back(FileChoice{path});
    }
    // The dialog is gone from the main window at once and destroyed when control returns.
    void expectClosed()
    {
        EXPECT_FALSE(window->inpData);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(dialog);
    }

    static constexpr QRgb LightGrey = 0xFFE0E0E0;
};

TEST_F(ItemProperties, LoadShowsTheRecordAndASecondOpeningKeepsTheEdits)
{
    ItemRec r = item("editor", 0x00FF00);
    r.CmdParam = "-a ";
    r.IconNo = 3;
    store.ItemTbl(2, 6) = r;
    platform.icons[{r.IconFile, 3}] = solidImage(Qt::green);
    openWindow(4);

    open(2, 6);
    EXPECT_EQ(text(0).text(), r.ProgName);
    EXPECT_EQ(text(1).text(), r.InitDir);
    EXPECT_EQ(text(2).text(), r.IconFile);
    EXPECT_EQ(text(3).text(), "-a ");
    EXPECT_EQ(text(4).text(), "editor");
    EXPECT_EQ(dialog->EditIconNo, 3);
    EXPECT_EQ(dialog->EditColor, 0x00FF00);
    EXPECT_EQ(swatch(), 0x00FF00);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::green));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(store.ItemTbl(2, 6), r);

    text(4).setText("edited");
    open(2, 6);
    EXPECT_EQ(window->inpData.data(), dialog.data());
    EXPECT_EQ(text(4).text(), "edited");
}

TEST_F(ItemProperties, LoadOnAnEmptySlotOrAColourlessItem)
{
    store.ItemTbl(0, 1) = item("colourless");
    store.ItemTbl(0, 1).ItemColor.reset();
    openWindow();

    open(0, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(text(i).text(), QString());
    EXPECT_EQ(dialog->EditColor, NewItemColor);
    EXPECT_EQ(swatch(), NewItemColor);
    EXPECT_EQ(dialog->EditIconNo, 0);
    EXPECT_EQ(previewAt(1, 1).rgb(), LightGrey);
    EXPECT_TRUE(platform.lookups.empty());
    dialog->ComNot_Click();

    open(0, 1);
    EXPECT_EQ(dialog->EditColor, 0);
    EXPECT_EQ(swatch(), 0);
}

TEST_F(ItemProperties, ApplyStoresEveryFieldAddingOneBlankToTheParameters)
{
    ItemRec r = item("old");
    r.CmdParam = "-a ";
    r.IsDoc = true;
    r.AssocExe = "/usr/bin/viewer";
    store.ItemTbl(0, 3) = r;
    openWindow();

    open(0, 3);
    text(4).setText("new");
    dialog->EditIconNo = 7;
    dialog->EditColor = 0x123456;
    dialog->ComOk_Click();
    const ItemRec& stored = store.ItemTbl(0, 3);
    EXPECT_EQ(stored.CmdParam, "-a  ");
    EXPECT_EQ(stored.Title, "new");
    EXPECT_EQ(stored.ProgName, r.ProgName);
    EXPECT_EQ(stored.IconNo, 7);
    EXPECT_EQ(stored.ItemColor, 0x123456);
    EXPECT_TRUE(stored.IsDoc);
    EXPECT_EQ(stored.AssocExe, "/usr/bin/viewer");
    EXPECT_EQ(lab(3).text(), "new");
    expectClosed();

    // Apply on an empty slot with nothing typed makes an item in use.
    open(0, 8);
    button("ComOk").click();
    const ItemRec& made = store.ItemTbl(0, 8);
    EXPECT_TRUE(made.Used);
    EXPECT_EQ(made.ProgName, QString());
    EXPECT_EQ(made.CmdParam, " ");
    EXPECT_EQ(made.IconNo, 0);
    EXPECT_EQ(made.ItemColor, NewItemColor);
    EXPECT_TRUE(lab(8).isVisibleTo(window.get()));
    EXPECT_EQ(pic(8).image().pixelColor(40, 40).rgb(), LightGrey);
    expectClosed();
}

TEST_F(ItemProperties, CancelTidiesOnlyASlotNotInUse)
{
    store.ItemTbl(0, 2) = item("kept");
    platform.associations["/home/u/memo.txt"] = "/usr/bin/editor";
    openWindow();

    open(0, 5);
    chooseFile("/home/u/memo.txt");
    dialog->ComShow_Click();
    ASSERT_TRUE(store.ItemTbl(0, 5).IsDoc);
    button("ComNot").click();
    EXPECT_EQ(store.ItemTbl(0, 5), clearedItem());
    expectClosed();

    // Delete then Cancel on a used slot keeps the record whole.
    open(0, 2);
    dialog->ComDel_Click();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(text(i).text(), QString());
    EXPECT_TRUE(dialog->isVisible());
    dialog->ComNot_Click();
    EXPECT_EQ(store.ItemTbl(0, 2), item("kept"));
    expectClosed();
}

TEST_F(ItemProperties, EscapeCancelsAndEnterPressesNothing)
{
    openWindow();
    open(0, 4);
    text(0).setText("/opt/a");
    typeKey(text(0), Qt::Key_Return, "\r");
    EXPECT_EQ(text(0).text(), "/opt/a");
    EXPECT_TRUE(window->inpData);
    EXPECT_FALSE(store.ItemTbl(0, 4).Used);

    // Enter in the icon field redraws the preview from the typed path, number kept.
    platform.icons[{"/opt/icons.dll", 2}] = solidImage(Qt::blue);
    dialog->EditIconNo = 2;
    text(2).setText("/opt/icons.dll");
    typeKey(text(2), Qt::Key_Enter, "\r");
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::blue));
    EXPECT_EQ(dialog->EditIconNo, 2);
    EXPECT_EQ(text(2).text(), "/opt/icons.dll");

    typeKey(text(3), Qt::Key_X, "x");
    EXPECT_EQ(text(3).text(), "x");

    typeKey(text(1), Qt::Key_Escape, QString());
    EXPECT_EQ(store.ItemTbl(0, 4).ItemColor, EmptyColor);
    EXPECT_FALSE(store.ItemTbl(0, 4).Used);
    expectClosed();
}

TEST_F(ItemProperties, LeavingTheIconFieldRedrawsThePreview)
{
    platform.icons[{"/opt/app.exe", 0}] = solidImage(Qt::blue);
    openWindow();
    open(0, 0);
    dialog->activateWindow();
    text(2).setFocus();
    text(2).setText("/opt/app.exe");
    EXPECT_EQ(previewAt(1, 1).rgb(), LightGrey);
    dialog->Text1_LostFocus(2);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::blue));
}

TEST_F(ItemProperties, ProgramBrowseFillsTheFieldsAndDecidesTheTypeAtOnce)
{
    store.ItemTbl(0, 1) = item("doc");
    store.ItemTbl(0, 1).IsDoc = true;
    store.ItemTbl(0, 1).AssocExe = "/usr/bin/old";
    store.ItemTbl(0, 1).ItemColor = 0x0000FF;
    platform.icons[{"/opt/tools/my.app.exe", 0}] = solidImage(Qt::blue);
    openWindow();

    open(0, 1);
    dialog->EditIconNo = 4;
    chooseFile("/opt/tools/my.app.exe");
    dialog->ComShow_Click();
    EXPECT_EQ(platform.fileFilters.back(), ProgramFilter);
    EXPECT_EQ(text(0).text(), "/opt/tools/my.app.exe");
    EXPECT_EQ(text(1).text(), "/opt/tools/");
    EXPECT_EQ(text(2).text(), "/opt/tools/my.app.exe");
    EXPECT_EQ(text(4).text(), "my.app");
    EXPECT_EQ(dialog->EditIconNo, 0);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::blue));
    const ItemRec& r = store.ItemTbl(0, 1);
    EXPECT_FALSE(r.IsDoc);
    EXPECT_EQ(r.AssocExe, QString());
    EXPECT_EQ(r.ItemColor, NewItemColor);   // in the record at once...
    EXPECT_EQ(dialog->EditColor, 0x0000FF); // ...while the swatch keeps the edit
    EXPECT_EQ(swatch(), 0x0000FF);
    EXPECT_TRUE(platform.lookups.empty());

    // A cancelled browse changes nothing.
    text(4).setText("mine");
    dialog->ComShow_Click();
    EXPECT_EQ(text(4).text(), "mine");
    EXPECT_EQ(text(0).text(), "/opt/tools/my.app.exe");
}

TEST_F(ItemProperties, DocumentBrowseTakesTheAssociatedProgram)
{
    platform.associations["/home/u/memo.txt"] = "/usr/bin/editor";
    platform.icons[{"/usr/bin/editor", 0}] = solidImage(Qt::blue);
    openWindow();
    open(0, 0);

    chooseFile("/home/u/memo.txt");
    dialog->ComShow_Click();
    EXPECT_TRUE(store.ItemTbl(0, 0).IsDoc);
    EXPECT_EQ(store.ItemTbl(0, 0).AssocExe, "/usr/bin/editor");
    EXPECT_EQ(text(2).text(), "/usr/bin/editor");
    EXPECT_EQ(text(4).text(), "memo");
    ASSERT_EQ(platform.lookups.size(), 1u);
    EXPECT_EQ(platform.lookups[0], std::make_pair(QString("/home/u/memo.txt"), platform.folder));
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::blue));

    // No association: type document, association and icon field empty.
    chooseFile("/home/u/data.xyz");
    dialog->ComShow_Click();
    EXPECT_TRUE(store.ItemTbl(0, 0).IsDoc);
    EXPECT_EQ(store.ItemTbl(0, 0).AssocExe, QString());
    EXPECT_EQ(text(2).text(), QString());
    EXPECT_EQ(text(0).text(), "/home/u/data.xyz");
    EXPECT_FALSE(store.ItemTbl(0, 0).Used);
}

TEST_F(ItemProperties, ProgramOrDocumentFollowsTheSharedRule)
{
    QTemporaryDir dir;
    const QString script = dir.filePath("backup");
    ASSERT_TRUE(writeFile(script, "#!/bin/sh\n", FileMode::Executable));
    store.ItemTbl(0, 0).IsDoc = true;
    store.ItemTbl(0, 0).AssocExe = "/usr/bin/old";
    openWindow();
    open(0, 0);

    struct Case {
        QString path;
        bool document;
    };
    const Case cases[] = {{"/mnt/x/SETUP.EXE", false},
                          {"/mnt/x/SETUP.Exe", true},
                          {"/mnt/x/saver.scr", false},
                          {"/mnt/x/README", true},
                          {script, false}};
    for (const Case& c : cases) {
        chooseFile(c.path);
        dialog->ComShow_Click();
        EXPECT_EQ(store.ItemTbl(0, 0).IsDoc, c.document) << c.path.toStdString();
    }
    // A name without "." is taken whole as the title.
    EXPECT_EQ(text(4).text(), "backup");
    EXPECT_EQ(text(1).text(), dir.path() + "/");
    EXPECT_EQ(store.ItemTbl(0, 0).AssocExe, QString());
}

TEST_F(ItemProperties, IconBrowseStartsAtTheFirstIconOfTheChosenFile)
{
    platform.icons[{"/opt/icons.ico", 0}] = solidImage(Qt::blue);
    store.ItemTbl(0, 0) = item("a");
    store.ItemTbl(0, 0).IconNo = 5;
    openWindow();
    open(0, 0);

    dialog->ComIcon_Click(); // cancelled
    EXPECT_EQ(platform.fileFilters.back(), IconFilter);
    EXPECT_EQ(text(2).text(), "/opt/tools/a");
    EXPECT_EQ(dialog->EditIconNo, 5);

    chooseFile("/opt/icons.ico");
    dialog->ComIcon_Click();
    EXPECT_EQ(text(2).text(), "/opt/icons.ico");
    EXPECT_EQ(dialog->EditIconNo, 0);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::blue));
    EXPECT_EQ(previewAt(32, 32).rgb(), LightGrey);
    EXPECT_EQ(text(0).text(), "/opt/tools/a");
}

TEST_F(ItemProperties, MouseOnThePreviewCyclesIconsWithinZeroTo999)
{
    platform.icons[{"/opt/lib.dll", 6}] = solidImage(Qt::blue);
    platform.icons[{"/opt/lib.dll", 5}] = solidImage(Qt::green);
    store.ItemTbl(0, 0) = item("a");
    store.ItemTbl(0, 0).IconFile = "/opt/lib.dll";
    openWindow();
    open(0, 0);

    pressOnPreview(Qt::LeftButton);
    EXPECT_EQ(dialog->EditIconNo, 0);

    dialog->EditIconNo = 5;
    pressOnPreview(Qt::RightButton);
    EXPECT_EQ(dialog->EditIconNo, 6);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::blue));
    pressOnPreview(Qt::MiddleButton);
    EXPECT_EQ(dialog->EditIconNo, 5);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::green));

    dialog->EditIconNo = 999;
    pressOnPreview(Qt::RightButton);
    EXPECT_EQ(dialog->EditIconNo, 0);
    EXPECT_EQ(previewAt(1, 1), QColor(Qt::magenta)); // no such icon: the fallback

    // A stored number far outside the range wraps to 0 as well, without overflowing.
    dialog->EditIconNo = INT32_MAX;
    pressOnPreview(Qt::RightButton);
    EXPECT_EQ(dialog->EditIconNo, 0);
    EXPECT_EQ(store.ItemTbl(0, 0).IconNo, 0);
}

TEST_F(ItemProperties, DoubleClickOnThePreviewStepsOnce)
{
    store.ItemTbl(0, 0) = item("a");
    store.ItemTbl(0, 0).IconNo = 5;
    openWindow();
    open(0, 0);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.data()));

    const QPoint onPreview = preview().mapTo(dialog.data(), QPoint(5, 5));
    QTest::mouseDClick(dialog->windowHandle(), Qt::RightButton, {}, onPreview);
    EXPECT_EQ(dialog->EditIconNo, 6);
    QTest::mouseClick(&preview(), Qt::LeftButton);
    QTest::mouseDClick(&preview(), Qt::LeftButton);
    QTest::mouseRelease(&preview(), Qt::LeftButton);
    EXPECT_EQ(dialog->EditIconNo, 5);
}

TEST_F(ItemProperties, ColourDialogBlackMeansDefaultAndCancelChangesNothing)
{
    store.ItemTbl(0, 0) = item("a", 0x112233);
    openWindow();
    open(0, 0);

    platform.colors = {0x0000FF};
    button("ComColor").click();
    EXPECT_EQ(dialog->EditColor, 0x0000FF);
    EXPECT_EQ(swatch(), 0x0000FF);
    EXPECT_EQ(store.ItemTbl(0, 0).ItemColor, 0x112233);

    dialog->ComColor_Click(); // cancelled
    EXPECT_EQ(dialog->EditColor, 0x0000FF);
    EXPECT_EQ(swatch(), 0x0000FF);

    platform.colors = {0};
    dialog->ComColor_Click();
    EXPECT_EQ(dialog->EditColor, NewItemColor);
    EXPECT_EQ(swatch(), NewItemColor);
    EXPECT_EQ(platform.colorDialogs, 3);
}

TEST_F(ItemProperties, EveryActionAddressesTheSlotTheDialogWasOpenedOn)
{
    store.ItemTbl(2, 7) = item("elsewhere");
    openWindow(4);
    open(0, 3);

    // The user scrolls to another page and right-clicks another slot meanwhile.
    window->VScroll1->setValue(2);
    store.CurSlot = 7;
    chooseFile("/opt/tools/app.exe");
    dialog->ComShow_Click();
    text(4).setText("applied");
    dialog->ComOk_Click();

    EXPECT_EQ(store.ItemTbl(0, 3).Title, "applied");
    EXPECT_EQ(store.ItemTbl(0, 3).ProgName, "/opt/tools/app.exe");
    EXPECT_EQ(store.ItemTbl(2, 7), item("elsewhere"));
    EXPECT_EQ(lab(7).text(), "elsewhere"); // the page on screen is redrawn

    open(1, 3);
    store.CurPage = 2;
    store.CurSlot = 0;
    dialog->ComNot_Click();
    EXPECT_EQ(store.ItemTbl(1, 3).ItemColor, EmptyColor);
    EXPECT_EQ(store.ItemTbl(2, 0), ItemRec());
}

TEST_F(ItemProperties, ClosingTheMainWindowDiscardsAnOpenDialog)
{
    QTemporaryDir folder;
    platform.folder = folder.path();
    openWindow();
    open(0, 0);
    text(4).setText("never stored");
    window->close();
    EXPECT_FALSE(dialog);
    EXPECT_FALSE(store.ItemTbl(0, 0).Used);
}

TEST_F(ItemProperties, ApplyRefusesTextTheDataFileCannotHold)
{
    store.ItemTbl(0, 0) = item("a");
    openWindow();
    open(0, 0);

    text(3).setText("say \"hi\"");
    dialog->ComOk_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0],
                  containing({dialog->findChild<QLabel*>("Label1(3)")->text(),
                              QString::fromUtf8("「\"」（U+0022）")}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, QStringLiteral("データ入力"));
    EXPECT_EQ(store.ItemTbl(0, 0), item("a"));
    EXPECT_TRUE(window->inpData);

    text(3).setText("ok");
    text(4).setText(QString(QChar(0xD55C))); // Hangul: CP932 has no code for it
    dialog->ComOk_Click();
    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(platform.messages[1],
                  containing({dialog->findChild<QLabel*>("Label1(4)")->text(),
                              QString::fromUtf8("（U+D55C）")}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, QStringLiteral("データ入力"));
    EXPECT_EQ(store.ItemTbl(0, 0), item("a"));

    // The association is stored by Apply too, though no box shows it.
    text(4).setText("ok");
    const QString association = QString::fromUtf8("/home/ren\u00E9/apps/v.desktop");
    store.ItemTbl(0, 0).AssocExe = association;
    dialog->ComOk_Click();
    ASSERT_EQ(platform.messages.size(), 3u);
    expectMessage(platform.messages[2],
                  containing({association, QString::fromUtf8("「é」（U+00E9）")}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, QStringLiteral("データ入力"));
    EXPECT_EQ(store.ItemTbl(0, 0).Title, "a");
    EXPECT_TRUE(window->inpData);
}

TEST_F(ItemProperties, BrowseRefusesAnAssociationTheDataFileCannotHold)
{
    store.ItemTbl(0, 0) = item("a");
    const QString association = QString::fromUtf8("/home/ren\u00E9/apps/v.desktop");
    platform.associations["/home/u/memo.txt"] = association;
    openWindow();
    open(0, 0);
    text(4).setText("mine");

    chooseFile("/home/u/memo.txt");
    dialog->ComShow_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0],
                  containing({association, QString::fromUtf8("「é」（U+00E9）")}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, QStringLiteral("データ入力"));
    EXPECT_EQ(text(0).text(), item("a").ProgName);
    EXPECT_EQ(text(2).text(), item("a").IconFile);
    EXPECT_EQ(text(4).text(), "mine");
    EXPECT_EQ(store.ItemTbl(0, 0), item("a"));
}

TEST_F(ItemProperties, BrowseOfADesktopEntryTakesItsNameAndFolder)
{
    const QString entry = "/usr/share/applications/display-im6.q16.desktop";
    platform.desktopEntries[entry] = {QString::fromUtf8("画像表示"), "/opt/im/"};
    store.ItemTbl(0, 0) = item("a");
    store.ItemTbl(0, 0).IsDoc = true;
    store.ItemTbl(0, 0).AssocExe = "/usr/share/applications/old.desktop";
    openWindow();
    open(0, 0);

    chooseFile(entry);
    dialog->ComShow_Click();
    EXPECT_EQ(text(0).text(), entry);
    EXPECT_EQ(text(1).text(), "/opt/im/");
    EXPECT_EQ(text(2).text(), entry);
    EXPECT_EQ(text(4).text(), QString::fromUtf8("画像表示"));
    EXPECT_FALSE(store.ItemTbl(0, 0).IsDoc);
    EXPECT_EQ(store.ItemTbl(0, 0).AssocExe, QString());
    EXPECT_TRUE(platform.lookups.empty());
}

TEST_F(ItemProperties, TitleTakesTheWindowsFormsOfLinuxTypedCharacters)
{
    openWindow();
    open(0, 0);
    QLineEdit& title = text(4);
    title.setFocus();

    QTest::keyClicks(&title, u"\u00A2\u00A3\u00AC"_qs);
    commit(title, u"9時\u301C5時"_qs);
    QTest::sendKeyEvent(QTest::Click, &title, Qt::Key_unknown, u"\u2016"_qs, Qt::NoModifier);
    EXPECT_EQ(title.text(), u"\uFFE0\uFFE1\uFFE29時\uFF5E5時\u2225"_qs);

    // Typed in the middle, the cursor stays after the typed character; a paste is converted too.
    title.setCursorPosition(1);
    commit(title, u"\u2212"_qs);
    EXPECT_EQ(title.text(), u"\uFFE0\uFF0D\uFFE1\uFFE29時\uFF5E5時\u2225"_qs);
    EXPECT_EQ(title.cursorPosition(), 2);
    QApplication::clipboard()->setText(u"\u301C\r\n"_qs);
    title.paste();
    EXPECT_EQ(title.text(), u"\uFFE0\uFF0D\uFF5E\uFFE1\uFFE29時\uFF5E5時\u2225"_qs);
    EXPECT_EQ(title.cursorPosition(), 3);

    // A path keeps what was typed, so Apply refuses it and stores nothing.
    text(0).setFocus();
    commit(text(0), u"/opt/9時\u301C5時"_qs);
    EXPECT_EQ(text(0).text(), u"/opt/9時\u301C5時"_qs);
    button("ComOk").click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(
        platform.messages[0].text.contains(dialog->findChild<QLabel*>("Label1(0)")->text()));
    EXPECT_FALSE(store.ItemTbl(0, 0).Used);

    text(0).setText("/opt/tool");
    button("ComOk").click();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(store.ItemTbl(0, 0).Title, u"\uFFE0\uFF0D\uFF5E\uFFE1\uFFE29時\uFF5E5時\u2225"_qs);
    const FormatResult file = formatItemFile(store);
    EXPECT_EQ(file.error, QString());
    EXPECT_TRUE(file.bytes.contains(QByteArray::fromHex("8191817c8160819281ca")));
}

TEST_F(ItemProperties, PastedLineBreaksNeverReachAField)
{
    openWindow();
    open(0, 0);
    QApplication::clipboard()->setText("/opt/my\r\ntool\n");
    text(0).setText("x");
    text(0).paste();
    EXPECT_EQ(text(0).text(), "x/opt/mytool");
    text(0).insert("\u2028end");
    EXPECT_EQ(text(0).text(), "x/opt/mytoolend");
}

TEST_F(ItemProperties, FormLayoutCaptionsAndFocusOrder)
{
    openWindow();
    open(0, 0);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("データ入力"));
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(dialog->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->size(), QSize(312, 223));

    const QString labels[] = {QStringLiteral("プログラム名"),
                              QStringLiteral("初期化ディレクトリー"),
                              QStringLiteral("使用アイコン"), QStringLiteral("ｺﾏﾝﾄﾞﾗｲﾝﾊﾟﾗﾒｰﾀｰ"),
                              QStringLiteral("タイトル")};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog->findChild<QLabel*>(QString("Label1(%1)").arg(i))->text(), labels[i]);
    EXPECT_EQ(button("ComShow").text(), QStringLiteral("参照"));
    EXPECT_EQ(button("ComIcon").text(), QStringLiteral("参照"));
    EXPECT_EQ(button("ComOk").text(), QStringLiteral("適用"));
    EXPECT_EQ(button("ComDel").text(), QStringLiteral("削除"));
    EXPECT_EQ(button("ComNot").text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(button("ComColor").text(), QString());

    EXPECT_EQ(text(1).geometry(), QRect(120, 32, 193, 25));
    EXPECT_EQ(text(2).geometry(), QRect(120, 64, 145, 25));
    EXPECT_EQ(button("ComColor").geometry(), QRect(72, 168, 233, 17));
    EXPECT_EQ(preview().geometry(), QRect(16, 176, 33, 33));
    EXPECT_EQ(button("ComNot").geometry(), QRect(232, 192, 73, 25));

    QStringList order;
    QWidget* w = &text(0);
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != &text(0));
    EXPECT_EQ(order.join(' '), "Text1(0) Text1(1) Text1(2) Text1(3) Text1(4) Picture1 ComShow "
                               "ComIcon ComOk ComDel ComNot ComColor");
}

} // namespace
