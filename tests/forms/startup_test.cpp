#include "support/form_fixture.h"

#include "store/item_file.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The window over a data file in a program folder of its own, loaded from disk.
class StartupForm : public FormTest {
protected:
    QTemporaryDir dir;

    void SetUp() override { platform.folder = dir.path(); }

    void writeDataFile(const QByteArray& bytes)
    {
        ASSERT_TRUE(writeFile(dataFilePath(dir.path()), bytes));
    }
    QByteArray readDataFile() { return readFile(dataFilePath(dir.path())); }
    Mosaro::LoadOutcome load()
    {
        window = std::make_unique<Mosaro>(store, platform);
        return window->Form_Load();
    }
};

TEST_F(StartupForm, LoadsTheFileSetsTheScrollRangeAndShowsPageZero)
{
    writeDataFile("5\r\n2,4,\"/opt/a\",\"/opt/\",\"\",\"\",\"a\",#FALSE#,\"\",0,14737632\r\n");
    platform.cwd = "/somewhere/else";
    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    EXPECT_EQ(platform.cwd, dir.path());
    EXPECT_EQ(store.PageCnt, 5);
    EXPECT_TRUE(store.ItemTbl(2, 4).Used);
    EXPECT_EQ(window->VScroll1->minimum(), 0);
    EXPECT_EQ(window->VScroll1->maximum(), 5);
    EXPECT_EQ(window->VScroll1->value(), 0);
    EXPECT_EQ(store.CurPage, 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mosaro ver1.0  page [0/5]"));
    window->reportLoadProblems();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupForm, FirstRunStartsEmptyWithoutAWord)
{
    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    EXPECT_EQ(store.PageCnt, 0);
    EXPECT_EQ(window->VScroll1->maximum(), 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mosaro ver1.0  page [0/0]"));
    window->reportLoadProblems();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupForm, AnInstalledCopyReadsAndWritesTheUsersDataFolder)
{
    // The program folder holds a file of its own that must be neither read nor written.
    writeDataFile("3\r\n");
    QTemporaryDir userData;
    platform.dataDir = userData.path();
    const QString userFile = dataFilePath(userData.path());
    QFile damaged(userFile);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("1\r\n1,0,\"/opt/b\",\"/opt/\",\"\",\"\",\"b\",#FALSE#,\"\",0,0\r\nrubbish\r\n");
    damaged.close();
    platform.cwd = "/elsewhere";

    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    EXPECT_EQ(platform.cwd, dir.path());  // items still start relative to the program folder
    EXPECT_EQ(store.PageCnt, 1);
    EXPECT_TRUE(store.ItemTbl(1, 0).Used);
    // The damaged file's copy sits beside it, and the report names both.
    const QStringList copies = QDir(userData.path()).entryList({"Mosaro.dat.*.bak"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    window->reportLoadProblems();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(userFile)));
    EXPECT_TRUE(platform.messages[0].text.contains(copies.first()));

    window->mnuFrmQit_Click();
    EXPECT_EQ(readDataFile(), QByteArray("3\r\n"));
    QFile saved(userFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(),
              QByteArray("1\r\n1,0,\"/opt/b\",\"/opt/\",\"\",\"\",\"b\",#FALSE#,\"\",0,0\r\n"));
}

TEST_F(StartupForm, UnreadableFileIsReportedAndNeverWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Mosaro.dat"));
    EXPECT_EQ(load(), Mosaro::LoadOutcome::CannotRead);
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0],
                  containing({QDir::toNativeSeparators(dataFilePath(dir.path()))}),
                  MsgStyle::OkOnly + MsgStyle::Stop, "Mosaro");
}

TEST_F(StartupForm, DamagedFileIsReportedOnceTheWindowIsUp)
{
    writeDataFile("2\r\n0,0,\"/opt/a\",\"/opt/\",\"\",\"\",\"a\",#FALSE#,\"\",0,14737632\r\nrubbish\r\n");
    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    EXPECT_TRUE(platform.messages.empty());
    window->reportLoadProblems();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0], containing({" 1 ", ".bak"}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, "Mosaro");
    window->reportLoadProblems();
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(StartupForm, ClosingWritesTheFileFromTheProgramFolder)
{
    const QByteArray original =
        "1\r\n1,0,\"/opt/b\",\"/opt/\",\"\",\"-x \",\"b\",#TRUE#,\"/usr/bin/v\",-3,\r\n";
    writeDataFile(original);
    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    QFile::remove(dataFilePath(dir.path()));
    platform.cwd = "/opt/tools";
    window->mnuFrmQit_Click();
    EXPECT_EQ(platform.cwd, dir.path());
    EXPECT_EQ(readDataFile(), original);
}

}  // namespace
