#include "store/item_file.h"
#include "pages/save_command.h"
#include "support/expect_message.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>

namespace {

// Runs a hook when a message box opens, so a test can mend the failure before Retry.
class HookedPlatform : public ScriptedPlatform {
public:
    std::function<void()> onMessage;
    int messageBox(const QString& text, int style, const QString& title) override
    {
        if (onMessage)
            onMessage();
        return ScriptedPlatform::messageBox(text, style, title);
    }
};

class SaveCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ItemStore store;
    HookedPlatform platform;

    void SetUp() override
    {
        platform.folder = dir.path();
        platform.cwd = QStringLiteral("/opt/tools");
        store.PageCnt = 1;
        store.ItemTbl(1, 2).Used = true;
        store.ItemTbl(1, 2).Title = QStringLiteral("メモ帳");
    }
    QString dataFile() const { return dir.filePath("Mosaro.dat"); }
};

TEST_F(SaveCommandTest, OkSavesFromTheProgramFolderAndRestoresTheCurrentDirectory)
{
    platform.answers = {MsgAnswer::Ok};
    mnuFrmSave_Click(store, platform);

    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0],
                  QStringLiteral("全ての作成データを保存します。\u3000よろしいでしょうか？"),
                  MsgStyle::OkCancel, QStringLiteral("保存確認"));
    EXPECT_EQ(readFile(dataFile()), formatItemFile(store).bytes);
    EXPECT_EQ(platform.directoryChanges, (std::vector<QString>{dir.path(), "/opt/tools"}));
    EXPECT_EQ(platform.cwd, QStringLiteral("/opt/tools"));
}

TEST_F(SaveCommandTest, BothSavesWriteIntoTheDataFolderNotThePrograms)
{
    QTemporaryDir userData;
    platform.dataDir = userData.path();
    platform.answers = {MsgAnswer::Ok};
    mnuFrmSave_Click(store, platform);
    EXPECT_EQ(readFile(dataFilePath(userData.path())), formatItemFile(store).bytes);
    EXPECT_EQ(platform.directoryChanges, (std::vector<QString>{dir.path(), "/opt/tools"}));

    store.PageCnt = 2;
    saveForClose(store, platform);
    EXPECT_EQ(readFile(dataFilePath(userData.path())), formatItemFile(store).bytes);
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

TEST_F(SaveCommandTest, CancelLeavesTheFileUntouched)
{
    ASSERT_TRUE(writeFile(dataFile(), "0\r\n"));
    platform.answers = {MsgAnswer::Cancel};
    mnuFrmSave_Click(store, platform);
    EXPECT_EQ(readFile(dataFile()), QByteArray("0\r\n"));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.directoryChanges.empty());
}

TEST_F(SaveCommandTest, FailedSaveSaysThePreviousFileIsIntact)
{
    ASSERT_TRUE(writeFile(dataFile(), "0\r\n"));
    store.ItemTbl(1, 2).Title = QStringLiteral("\"quoted\"");
    platform.answers = {MsgAnswer::Ok};
    mnuFrmSave_Click(store, platform);

    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(platform.messages[1],
                  containing({u"保存できませんでした"_qs, u"ページ 1 のスロット 2"_qs}),
                  MsgStyle::OkOnly + MsgStyle::Stop, "Mosaro");
    EXPECT_EQ(readFile(dataFile()), QByteArray("0\r\n"));
    EXPECT_EQ(platform.cwd, QStringLiteral("/opt/tools"));
}

TEST_F(SaveCommandTest, ClosingSavesWithoutAsking)
{
    saveForClose(store, platform);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(readFile(dataFile()), formatItemFile(store).bytes);
}

TEST_F(SaveCommandTest, ClosingOffersRetryUntilTheSaveWorks)
{
    platform.folder = dir.filePath("later"); // missing until the user has seen the box twice
    platform.answers = {MsgAnswer::Retry, MsgAnswer::Retry};
    platform.onMessage = [&] {
        if (platform.messages.size() == 1)
            QDir(dir.path()).mkdir("later");
    };
    saveForClose(store, platform);

    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(platform.messages[0], containing({u"前のデータファイル"_qs}),
                  MsgStyle::RetryCancel + MsgStyle::Stop, "Mosaro");
    EXPECT_EQ(readFile(dataFilePath(platform.folder)), formatItemFile(store).bytes);
}

TEST_F(SaveCommandTest, ClosingGivesUpOnCancel)
{
    platform.folder = dir.filePath("missing");
    platform.answers = {MsgAnswer::Cancel};
    saveForClose(store, platform);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

} // namespace
