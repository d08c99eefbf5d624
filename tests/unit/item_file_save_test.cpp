#include "store/item_file.h"
#include "support/files.h"
#include "support/processes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

const QByteArray OldFile = "0\r\n0,0,\"/old\",\"\",\"\",\"\",\"old\",#FALSE#,\"\",0,1\r\n";

class SaveItemFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ItemStore store;

    void SetUp() override
    {
        store.PageCnt = 2;
        for (int slot = 0; slot < SlotCount; ++slot) {
            ItemRec& r = store.ItemTbl(slot % 3, slot);
            r.Used = true;
            r.ProgName = QStringLiteral("/opt/ツール/プログラム%1").arg(slot);
            r.Title = QStringLiteral("表計算%1").arg(slot);
            r.ItemColor = NewItemColor;
        }
    }

    // Saves into folder, which held OldFile, and checks that the save failed and left the
    // folder exactly as it was.
    void expectFailedSaveLeavesOldFile(const QString& folder)
    {
        const SaveResult result = SaveItemFile(store, folder);
        EXPECT_FALSE(result.saved);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(readFile(dataFilePath(folder)), OldFile);
        EXPECT_EQ(entriesOf(folder), QStringList{"Mosaro.dat"});
    }
};

TEST_F(SaveItemFileTest, WritesTheFormattedTableAndSavesAgainIdentically)
{
    ASSERT_TRUE(writeFile(dir.filePath("Mosaro.dat"), OldFile));
    QFile::setPermissions(dir.filePath("Mosaro.dat"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(SaveItemFile(store, dir.path()).saved);
    const QByteArray first = readFile(dir.filePath("Mosaro.dat"));
    EXPECT_EQ(first, formatItemFile(store).bytes);
    EXPECT_EQ(QFile::permissions(dir.filePath("Mosaro.dat")),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                  | QFileDevice::WriteUser);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Mosaro.dat"});

    ItemStore loaded;
    EXPECT_EQ(LoadItemFile(loaded, dir.path()).status, LoadResult::Status::Loaded);
    ASSERT_TRUE(SaveItemFile(loaded, dir.path()).saved);
    EXPECT_EQ(readFile(dir.filePath("Mosaro.dat")), first);
}

TEST_F(SaveItemFileTest, RefusedTableLeavesTheOldFile)
{
    ASSERT_TRUE(writeFile(dir.filePath("Mosaro.dat"), OldFile));
    store.ItemTbl(1, 4).CmdParam = QStringLiteral("--name=\"x\"");
    expectFailedSaveLeavesOldFile(dir.path());
}

TEST_F(SaveItemFileTest, FailsWhenTheFolderIsMissingOrAFile)
{
    EXPECT_FALSE(SaveItemFile(store, dir.filePath("missing")).saved);
    ASSERT_TRUE(writeFile(dir.filePath("plain"), "x"));
    const SaveResult result = SaveItemFile(store, dir.filePath("plain"));
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"plain"});
}

TEST_F(SaveItemFileTest, FailsInAFolderWithoutWriteAccess)
{
    ASSERT_TRUE(writeFile(dir.filePath("Mosaro.dat"), OldFile));
    openForOthers(dir.path()); // owned by root, not writable for the child
    const int status = runWithoutRoot([&] {
        const SaveResult r = SaveItemFile(store, dir.path());
        return !r.saved && !r.error.isEmpty() ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(dir.filePath("Mosaro.dat")), OldFile);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Mosaro.dat"});
}

TEST_F(SaveItemFileTest, WriteThatBreaksOffMidwayLeavesTheOldFile)
{
    ASSERT_TRUE(writeFile(dir.filePath("Mosaro.dat"), OldFile));
    // The file size limit makes write() fail part way, as a full disk does.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const SaveResult result = SaveItemFile(store, dir.path());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.error.contains(u"大きすぎ"_qs)) << result.error.toStdString();
    EXPECT_EQ(readFile(dir.filePath("Mosaro.dat")), OldFile);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Mosaro.dat"});
}

TEST_F(SaveItemFileTest, FullDiskLeavesTheOldFile)
{
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    struct Unmount {
        const QByteArray& path;
        ~Unmount() { ::umount(path.constData()); }
    } unmount{mountPoint};
    ASSERT_TRUE(writeFile(dir.filePath("Mosaro.dat"), OldFile));
    ASSERT_TRUE(writeFile(dir.filePath("filler"), QByteArray(48 * 1024, 'x')));
    // About 70 KB to write, with some 16 KB left.
    for (int page = 0; page <= MaxPage; ++page)
        store.ItemTbl(page, 0) = store.ItemTbl(0, 0);
    store.PageCnt = MaxPage;

    const SaveResult result = SaveItemFile(store, dir.path());
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.error.contains(u"空き"_qs)) << result.error.toStdString();
    EXPECT_EQ(readFile(dir.filePath("Mosaro.dat")), OldFile);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"Mosaro.dat", "filler"}));
}

} // namespace
