#include "store/item_file.h"
#include "store/item_file_preload.h"
#include "support/files.h"
#include "support/processes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QByteArray GoodFile = "1\r\n"
                            "0,0,\"/opt/a\",\"/opt/\",\"/opt/a\",\"\",\"a\",#FALSE#,\"\",0,1\r\n";
const QByteArray DamagedFile =
    "1\r\n"
    "0,0,\"/opt/a\",\"/opt/\",\"/opt/a\",\"\",\"a\",#FALSE#,\"\",0,1\r\n"
    "not a record\r\n"
    "5,0,\"/opt/b\",\"/opt/\",\"/opt/b\",\"\",\"b\",#FALSE#,\"\",0,1\r\n";

class LoadItemFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ItemStore store;
    QString dataFile() const { return dir.filePath("Mosaro.dat"); }
};

TEST_F(LoadItemFileTest, MissingOrEmptyFileIsTheFirstRun)
{
    LoadResult result = LoadItemFile(store, dir.path());
    EXPECT_EQ(result.status, LoadResult::Status::Loaded);
    EXPECT_EQ(store.PageCnt, 0);
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty()); // nothing written, nothing kept

    ASSERT_TRUE(writeFile(dataFile(), {}));
    result = LoadItemFile(store, dir.path());
    EXPECT_EQ(result.status, LoadResult::Status::Loaded);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Mosaro.dat"});
}

TEST_F(LoadItemFileTest, GoodFileLoadsWithoutBackup)
{
    ASSERT_TRUE(writeFile(dataFile(), GoodFile));
    const LoadResult result = LoadItemFile(store, dir.path());
    EXPECT_EQ(result.status, LoadResult::Status::Loaded);
    EXPECT_EQ(result.skippedLines, 0);
    EXPECT_EQ(store.PageCnt, 1);
    EXPECT_EQ(store.ItemTbl(0, 0).Title, QStringLiteral("a"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Mosaro.dat"});
}

TEST_F(LoadItemFileTest, DamagedFileLoadsWhatItCanAndIsKeptUntouchedUnderNewNames)
{
    ASSERT_TRUE(writeFile(dataFile(), DamagedFile));
    const LoadResult first = LoadItemFile(store, dir.path());
    EXPECT_EQ(first.status, LoadResult::Status::Damaged);
    EXPECT_EQ(first.skippedLines, 2); // the junk line and the record above PageCnt
    EXPECT_TRUE(store.ItemTbl(0, 0).Used);
    EXPECT_EQ(store.PageCnt, 1);
    const QRegularExpression backupName(
        QRegularExpression::anchoredPattern(R"(Mosaro\.dat\.\d{8}-\d{6}(-\d+)?\.bak)"));
    EXPECT_TRUE(backupName.match(QFileInfo(first.backupPath).fileName()).hasMatch())
        << first.backupPath.toStdString();
    EXPECT_EQ(QFileInfo(first.backupPath).absolutePath(), QFileInfo(dataFile()).absolutePath());
    EXPECT_EQ(readFile(first.backupPath), DamagedFile);
    EXPECT_EQ(readFile(dataFile()), DamagedFile);

    // A second start before any save (within the same second, too) keeps another copy and
    // never writes over the first one.
    ASSERT_TRUE(writeFile(first.backupPath, "older copy"));
    ItemStore again;
    const LoadResult second = LoadItemFile(again, dir.path());
    EXPECT_EQ(second.status, LoadResult::Status::Damaged);
    EXPECT_NE(second.backupPath, first.backupPath);
    EXPECT_EQ(readFile(first.backupPath), QByteArray("older copy"));
    EXPECT_EQ(readFile(second.backupPath), DamagedFile);
}

TEST_F(LoadItemFileTest, FileThatCannotBeReadIsReportedAndNothingIsLoaded)
{
    QDir(dir.path()).mkdir("Mosaro.dat");
    LoadResult result = LoadItemFile(store, dir.path());
    EXPECT_EQ(result.status, LoadResult::Status::Unreadable);
    EXPECT_FALSE(result.error.isEmpty());

    ASSERT_TRUE(QDir(dataFile()).removeRecursively());
    ASSERT_TRUE(writeFile(dataFile(), GoodFile));
    QFile::setPermissions(dataFile(), QFileDevice::WriteOwner);
    openForOthers(dir.path());
    const int status = runWithoutRoot([&] {
        ItemStore child;
        const LoadResult r = LoadItemFile(child, dir.path());
        return r.status == LoadResult::Status::Unreadable && !r.error.isEmpty()
                       && !child.ItemTbl(0, 0).Used
                   ? 0
                   : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(LoadItemFileTest, DamagedFileThatCannotBeKeptCountsAsUnreadable)
{
    ASSERT_TRUE(writeFile(dataFile(), DamagedFile));
    QFile::setPermissions(dataFile(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    openForOthers(dir.path()); // readable, but no new file can be made beside it
    const int status = runWithoutRoot([&] {
        ItemStore child;
        const LoadResult r = LoadItemFile(child, dir.path());
        return r.status == LoadResult::Status::Unreadable && !r.error.isEmpty()
                       && !child.ItemTbl(0, 0).Used && child.PageCnt == 0
                   ? 0
                   : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Mosaro.dat"});
    EXPECT_EQ(readFile(dataFile()), DamagedFile);
}

TEST_F(LoadItemFileTest, ReadAheadIsTakenOnceAndOnlyForItsOwnFolder)
{
    ASSERT_TRUE(writeFile(dataFile(), DamagedFile));
    QTemporaryDir other;
    ASSERT_TRUE(writeFile(other.filePath("Mosaro.dat"), GoodFile));
    store.ItemTbl(3, 7).Used = true; // whatever the table held before is replaced
    {
        const ItemFilePreload preload(dir.path());
        // Another folder's load reads its own file.
        ItemStore elsewhere;
        EXPECT_EQ(LoadItemFile(elsewhere, other.path()).status, LoadResult::Status::Loaded);
        EXPECT_EQ(elsewhere.ItemTbl(0, 0).Title, QStringLiteral("a"));
        EXPECT_FALSE(elsewhere.ItemTbl(1, 0).Used);

        // The read-ahead counts as the load: the damage is found and the original kept.
        const LoadResult first = LoadItemFile(store, dir.path());
        EXPECT_EQ(first.status, LoadResult::Status::Damaged);
        EXPECT_EQ(first.skippedLines, 2);
        EXPECT_EQ(readFile(first.backupPath), DamagedFile);
        EXPECT_TRUE(store.ItemTbl(0, 0).Used);
        EXPECT_FALSE(store.ItemTbl(3, 7).Used);
        EXPECT_EQ(store.PageCnt, 1);

        // Taken once: a later load reads the file as it is then.
        ASSERT_TRUE(writeFile(dataFile(), GoodFile));
        ItemStore later;
        const LoadResult second = LoadItemFile(later, dir.path());
        EXPECT_EQ(second.status, LoadResult::Status::Loaded);
        EXPECT_EQ(later.PageCnt, 1);
        EXPECT_FALSE(later.ItemTbl(5, 0).Used);
    }
    // A read-ahead of a folder that cannot be read reports it like the load itself.
    const QString unreadable = dir.filePath("folder");
    QDir(dir.path()).mkpath("folder/Mosaro.dat");
    const ItemFilePreload preload(unreadable);
    EXPECT_EQ(LoadItemFile(store, unreadable).status, LoadResult::Status::Unreadable);
    EXPECT_TRUE(store.ItemTbl(0, 0).Used); // untouched
}

} // namespace
