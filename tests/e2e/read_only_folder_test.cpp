#include "e2e/e2e_fixture.h"

#include "store/item_file.h"
#include "store/item_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <unistd.h>

namespace {

// The program as a package installs it: in a folder the user cannot write. MOSARO_PROGRAM
// names an unpacked installed program; without it, the test's own copy stands in.
class ReadOnlyProgramFolder : public E2eTest {
protected:
    QTemporaryDir user;

    QString program() const { return qEnvironmentVariable("MOSARO_PROGRAM", program_); }
    void TearDown() override
    {
        E2eTest::TearDown();
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString userDataFile() const { return user.path() + "/data/mosaro/Mosaro.dat"; }

    QProcess* startInstalled()
    {
        QProcessEnvironment env;
        env.insert("HOME", user.path());
        env.insert("XDG_DATA_HOME", user.path() + "/data");
        const QString folder = QFileInfo(program()).absolutePath();
        if (::geteuid() != 0) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                              | QFile::ExeOther);
            return start(program(), {}, env);
        }
        // Root may write anywhere a file system allows, so the folder is mounted read-only in
        // a mount namespace of the program's own.
        return start("unshare",
                     {"-m", "sh", "-c",
                      "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" && exec \"$2\"",
                      "sh", folder, program()},
                     env);
    }
};

QByteArray fileWithItems()
{
    ItemStore store;
    store.PageCnt = 4;
    ItemRec& item = store.ItemTbl(2, 7);
    item.Used = true;
    item.ProgName = "/usr/bin/ツール";
    item.InitDir = "/usr/bin/";
    item.Title = "ﾂｰﾙ";
    item.ItemColor = NewItemColor;
    return formatItemFile(store).bytes;
}

TEST_F(ReadOnlyProgramFolder, KeepsItsItemsInTheUsersDataFolderAcrossStarts)
{
    const QStringList before = QDir(QFileInfo(program()).absolutePath()).entryList(QDir::Files);

    // First start: no data anywhere; the close makes the data folder and writes the file.
    QProcess* first = startInstalled();
    const QString window = mainWindow();
    ASSERT_FALSE(window.isEmpty()) << first->readAllStandardError().toStdString();
    EXPECT_EQ(windowName(window), QStringLiteral("Mosaro ver1.0  page [0/0]"));
    EXPECT_EQ(stop(first, SIGTERM), 0);
    QFile written(userDataFile());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("0\r\n"));
    written.close();

    // Items in that file come up at the next start and are written back at its close.
    const QByteArray items = fileWithItems();
    ASSERT_TRUE(written.open(QIODevice::WriteOnly | QIODevice::Truncate));
    written.write(items);
    written.close();
    QProcess* second = startInstalled();
    const QString again = mainWindow();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(windowName(again), QStringLiteral("Mosaro ver1.0  page [0/4]"));
    QFile::remove(userDataFile());
    EXPECT_EQ(stop(second, SIGTERM), 0);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), items);

    EXPECT_EQ(QDir(QFileInfo(program()).absolutePath()).entryList(QDir::Files), before);
}

}  // namespace
