#include "e2e/e2e_fixture.h"
#include "e2e/session_manager.h"

#include "store/item_file.h"
#include "store/item_store.h"

#include <QFile>

namespace {

class Session : public E2eTest {
protected:
    SessionManager manager;

    // A program of this session: it finds the session manager through its environment.
    QProcess* startInSession()
    {
        qputenv("SESSION_MANAGER", manager.address().toLatin1());
        QProcess* process = start();
        qunsetenv("SESSION_MANAGER");
        return process;
    }

    static QByteArray oneItem()
    {
        ItemStore store;
        store.PageCnt = 2;
        ItemRec& r = store.ItemTbl(1, 4);
        r.Used = true;
        r.ProgName = "/opt/tools/app";
        r.Title = "app";
        r.ItemColor = NewItemColor;
        return formatItemFile(store).bytes;
    }
};

TEST_F(Session, CheckpointsAndCancelledLogoutsWriteTheFileAndTheSessionEndCloses)
{
    ASSERT_FALSE(manager.address().isEmpty()) << "no session manager";
    writeDataFile(oneItem());
    QProcess* mosaro = startInSession();
    // The program joins the session before it shows its window, and talks to it meanwhile.
    ASSERT_TRUE(manager.waitForClient()) << "the program did not join the session";
    ASSERT_TRUE(manager.pumpUntil(
        10000, [this] { return !waitForWindow("^Mosaro ver1", 100).isEmpty(); }));

    // A checkpoint: the file is written, and the program goes on.
    QFile::remove(dataFile());
    ASSERT_TRUE(manager.saveYourself(false));
    EXPECT_EQ(readDataFile(), oneItem());
    EXPECT_TRUE(isRunning(mosaro));
    EXPECT_FALSE(mainWindow().isEmpty());

    // A logout that another program cancels: the same.
    QFile::remove(dataFile());
    ASSERT_TRUE(manager.saveYourself(true));
    EXPECT_EQ(readDataFile(), oneItem());
    manager.cancelShutdown();
    EXPECT_TRUE(isRunning(mosaro));
    EXPECT_FALSE(mainWindow().isEmpty());

    // The session ends: the window closes the normal way, writing the file once more.
    QFile::remove(dataFile());
    manager.die();
    EXPECT_EQ(waitForExit(mosaro), 0);
    EXPECT_EQ(readDataFile(), oneItem());
}

} // namespace
