#include "e2e/e2e_fixture.h"

#include "store/item_file.h"
#include "store/item_store.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

// A page whose first slot holds an item titled `title`.
void putItem(ItemStore& store, int page, const QString& title)
{
    ItemRec& r = store.ItemTbl(page, 0);
    r.Used = true;
    r.ProgName = "/opt/tools/" + title;
    r.InitDir = "/opt/tools/";
    r.IconFile = r.ProgName;
    r.Title = title;
    r.ItemColor = NewItemColor;
}

class PageMenu : public E2eTest {
protected:
    QString window;

    // Opens the page menu with a right press between the slots and picks the n-th command
    // (1 save, 2 insert, 3 show, 4 create, 5 delete, 6 quit).
    void choose(int n)
    {
        click(window, 92, 30, 3);
        ASSERT_TRUE(waitForPopupMenu());
        QStringList path;
        for (int i = 0; i < n; ++i)
            path << "Down";
        keys({}, path << "Return");
    }
    // The title, once it has settled on `expected` (or whatever it shows after a while).
    QString titleOnceItIs(const QString& expected)
    {
        QDeadlineTimer deadline(3000);
        QString title = windowName(window);
        while (title != expected && !deadline.hasExpired()) {
            QThread::msleep(100);
            title = windowName(window);
        }
        return title;
    }
};

TEST_F(PageMenu, ShowCreateDeleteAndQuitThroughThePageMenu)
{
    ItemStore store;
    store.PageCnt = 30;
    putItem(store, 0, "zero");
    putItem(store, 26, "twentysix");
    putItem(store, 30, "thirty");
    writeDataFile(formatItemFile(store).bytes);
    QProcess* mosaro = start();
    window = mainWindow();
    ASSERT_FALSE(window.isEmpty());
    ASSERT_EQ(windowName(window), QStringLiteral("Mosaro ver1.0  page [0/30]"));
    EXPECT_FALSE(skipsTaskBar(window));

    // Show page 26, typed in full-width digits.
    choose(3);
    const QString input = waitForWindow("^ページ表示入力$");
    ASSERT_FALSE(input.isEmpty());
    typeText(input, QStringLiteral("２６"));
    keys(input, {"Return"});
    EXPECT_EQ(titleOnceItIs("Mosaro ver1.0  page [26/30]"), "Mosaro ver1.0  page [26/30]");

    // Create pages up to 35: five steps of the thumb, then apply.
    choose(4);
    const QString make = waitForWindow("^ページ作成$");
    ASSERT_FALSE(make.isEmpty());
    EXPECT_TRUE(skipsTaskBar(make));
    keys(make, {"Right", "Right", "Right", "Right", "Right", "Tab", "space"});
    EXPECT_TRUE(waitForNoWindow("^ページ作成$"));
    EXPECT_EQ(titleOnceItIs("Mosaro ver1.0  page [26/35]"), "Mosaro ver1.0  page [26/35]");

    // Delete pages 2 to 25: "2", Enter, then "5" after the copied "2"; apply and confirm.
    choose(5);
    const QString del = waitForWindow("^ページ削除$");
    ASSERT_FALSE(del.isEmpty());
    EXPECT_TRUE(skipsTaskBar(del));
    typeText(del, "2");
    keys(del, {"Return"});
    typeText(del, "5");
    keys(del, {"Tab", "space"});
    const QString confirm = waitForWindow("^削除確認$");
    ASSERT_FALSE(confirm.isEmpty());
    keys(confirm, {"Return"});
    EXPECT_TRUE(waitForNoWindow("^ページ削除$"));
    // 35 - 24 pages: the current page 26 is gone, the window shows the new last page.
    EXPECT_EQ(titleOnceItIs("Mosaro ver1.0  page [11/11]"), "Mosaro ver1.0  page [11/11]");

    choose(6);
    EXPECT_EQ(waitForExit(mosaro), 0);
    ItemStore expected;
    expected.PageCnt = 11;
    putItem(expected, 0, "zero");
    putItem(expected, 2, "twentysix");
    putItem(expected, 6, "thirty");
    EXPECT_EQ(readDataFile(), formatItemFile(expected).bytes);
}

} // namespace
