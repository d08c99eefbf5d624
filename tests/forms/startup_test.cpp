#include "support/form_fixture.h"

#include "store/item_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class StartupForm : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ItemStore store;
    ScriptedPlatform platform;
    std::unique_ptr<Mosaro> window;

    void SetUp() override { platform.folder = dir.path(); }

    void writeFile(const QByteArray& bytes)
    {
        QFile file(dataFilePath(dir.path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile()
    {
        QFile file(dataFilePath(dir.path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    Mosaro::LoadOutcome load()
    {
        window = std::make_unique<Mosaro>(store, platform);
        return window->Form_Load();
    }
};

TEST_F(StartupForm, LoadsTheFileSetsTheScrollRangeAndShowsPageZero)
{
    writeFile("5\r\n2,4,\"/opt/a\",\"/opt/\",\"\",\"\",\"a\",#FALSE#,\"\",0,14737632\r\n");
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

TEST_F(StartupForm, AnotherInstanceEndsBeforeTouchingAnything)
{
    writeFile("3\r\n");
    platform.otherInstance = true;
    platform.cwd = "/elsewhere";
    EXPECT_EQ(load(), Mosaro::LoadOutcome::AnotherInstance);
    EXPECT_EQ(store.PageCnt, 0);
    EXPECT_EQ(platform.cwd, "/elsewhere");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(readFile(), QByteArray("3\r\n"));
}

TEST_F(StartupForm, UnreadableFileIsReportedAndNeverWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Mosaro.dat"));
    EXPECT_EQ(load(), Mosaro::LoadOutcome::CannotRead);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 16);
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(
        dataFilePath(dir.path()))));
}

TEST_F(StartupForm, DamagedFileIsReportedOnceTheWindowIsUp)
{
    writeFile("2\r\n0,0,\"/opt/a\",\"/opt/\",\"\",\"\",\"a\",#FALSE#,\"\",0,14737632\r\nrubbish\r\n");
    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    EXPECT_TRUE(platform.messages.empty());
    window->reportLoadProblems();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 48);
    EXPECT_TRUE(platform.messages[0].text.contains(" 1 "));
    EXPECT_TRUE(platform.messages[0].text.contains(".bak"));
    window->reportLoadProblems();
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(StartupForm, ClosingWritesTheFileFromTheProgramFolder)
{
    const QByteArray original =
        "1\r\n1,0,\"/opt/b\",\"/opt/\",\"\",\"-x \",\"b\",#TRUE#,\"/usr/bin/v\",-3,\r\n";
    writeFile(original);
    ASSERT_EQ(load(), Mosaro::LoadOutcome::Run);
    QFile::remove(dataFilePath(dir.path()));
    platform.cwd = "/opt/tools";
    window->mnuFrmQit_Click();
    EXPECT_EQ(platform.cwd, dir.path());
    EXPECT_EQ(readFile(), original);
}

}  // namespace
