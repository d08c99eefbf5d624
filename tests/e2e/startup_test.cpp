#include "e2e/e2e_fixture.h"

#include "store/item_file.h"
#include "store/item_store.h"
#include "support/files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>

namespace {

// A data file as the writer makes it, with Japanese texts on two pages.
QByteArray preparedFile()
{
    ItemStore store;
    store.PageCnt = 5;
    ItemRec& editor = store.ItemTbl(0, 0);
    editor.Used = true;
    editor.ProgName = "/opt/ツール/エディタ";
    editor.InitDir = "/opt/ツール/";
    editor.IconFile = "/opt/ツール/エディタ";
    editor.CmdParam = "-a ";
    editor.Title = "ｴﾃﾞｨﾀ　～編集～";
    editor.ItemColor = NewItemColor;
    ItemRec& memo = store.ItemTbl(3, 19);
    memo.Used = true;
    memo.ProgName = "/home/user/文書/メモ.txt";
    memo.IsDoc = true;
    memo.AssocExe = "/usr/bin/mousepad";
    memo.Title = "メモ";
    return formatItemFile(store).bytes;
}

class Startup : public E2eTest {};

TEST_F(Startup, ShowsPageZeroAndRewritesTheFileUnchangedOnSigterm)
{
    const QByteArray original = preparedFile();
    writeDataFile(original);
    QProcess* mosaro = start();
    const QString window = mainWindow();
    ASSERT_FALSE(window.isEmpty());
    EXPECT_EQ(windowName(window), QStringLiteral("Mosaro ver1.0  page [0/5]"));

    QFile::remove(dataFile());  // proves the close writes the file anew
    EXPECT_EQ(stop(mosaro, SIGTERM), 0);
    EXPECT_EQ(readDataFile(), original);
}

TEST_F(Startup, LosingTheDisplayStillWritesTheFile)
{
    // The same records in reverse order: they load the same, and only a write puts them in
    // order again.
    const QByteArray ordered = preparedFile();
    QList<QByteArray> lines = ordered.split('\n');
    ASSERT_EQ(lines.size(), 4); // page count, two records, the empty rest after the last CR LF
    std::swap(lines[1], lines[2]);
    const QByteArray reversed = lines.join('\n');
    ASSERT_NE(reversed, ordered);
    writeDataFile(reversed);
    QProcess* mosaro = start();
    ASSERT_FALSE(mainWindow().isEmpty());

    server_->kill();
    ASSERT_TRUE(mosaro->waitForFinished(10000)) << "the program outlived its display";
    EXPECT_EQ(readDataFile(), ordered);
    // No temporary file left behind, no backup made.
    EXPECT_EQ(QDir(folder()).entryList({"Mosaro.dat*"}, QDir::Files), QStringList{"Mosaro.dat"});
}

TEST_F(Startup, TheCloseButtonWritesTheFileAsQuitDoes)
{
    const QByteArray original = preparedFile();
    writeDataFile(original);
    QProcess* mosaro = start();
    const QString window = mainWindow();
    ASSERT_FALSE(window.isEmpty());
    QFile::remove(dataFile());
    // As a person would: the window is painted before its close box is clicked.
    ASSERT_EQ(waitForColour(window, QPoint(8 + 88 + 70, 8 + 8), QColor(64, 64, 64)),
              QColor(64, 64, 64));
    // A busy program may still be settling its window when the first request comes; a
    // person would click again.
    int exitCode = -1;
    for (int attempt = 0; attempt < 10 && exitCode == -1; ++attempt) {
        ASSERT_TRUE(requestWindowClose(server_->display(), window));
        exitCode = waitForExit(mosaro, 1000);
    }
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(readDataFile(), original);
}

TEST_F(Startup, HangupAndInterruptCloseTheWindowTheNormalWayToo)
{
    for (int signal : {SIGHUP, SIGINT}) {
        writeDataFile(preparedFile());
        QProcess* mosaro = start();
        ASSERT_FALSE(mainWindow().isEmpty());
        QFile::remove(dataFile());
        EXPECT_EQ(stop(mosaro, signal), 0) << "signal " << signal;
        EXPECT_EQ(readDataFile(), preparedFile()) << "signal " << signal;
        ASSERT_TRUE(waitForNoWindow("^Mosaro"));
    }
}

TEST_F(Startup, OneInstancePerDataFileASecondStartBringsItForward)
{
    writeDataFile(preparedFile());
    QProcess* first = start();
    const QString firstWindow = mainWindow();
    ASSERT_FALSE(firstWindow.isEmpty());

    // A copy in another folder is another program with its own data file.
    QTemporaryDir otherFolder;
    const QString copy = otherFolder.path() + "/mosaro";
    ASSERT_TRUE(QFile::copy(program_, copy));
    QFile(copy).setPermissions(QFile::permissions(program_));
    QProcess* other = start(copy);
    QString otherWindow;
    QDeadlineTimer deadline(10000);
    while (otherWindow.isEmpty() && !deadline.hasExpired()) {
        const QStringList ids =
            tool("xdotool", {"search", "--onlyvisible", "--name", "^Mosaro ver"}).split('\n');
        for (const QString& id : ids) {
            if (!id.isEmpty() && id != firstWindow)
                otherWindow = id;
        }
        QThread::msleep(100);
    }
    ASSERT_FALSE(otherWindow.isEmpty());
    // The later window lies on top. (Without a window manager, keyboard focus follows no
    // request, so the stacking order is what shows a window brought forward.)
    const auto firstIsOnTop = [&] {
        const QString stack = tool("xwininfo", {"-root", "-children"});
        const auto at = [&](const QString& id) {
            return stack.indexOf("0x" + QString::number(id.toULongLong(), 16) + " ");
        };
        // xwininfo lists the top-most window first.
        return at(firstWindow) >= 0 && at(firstWindow) < at(otherWindow);
    };
    ASSERT_FALSE(firstIsOnTop());

    // A second start on the same data file ends at once, without touching the file, and the
    // running window comes to the front.
    QFile::remove(dataFile());
    QProcess* second = start();
    EXPECT_EQ(waitForExit(second, 5000), 0);
    EXPECT_FALSE(QFile::exists(dataFile()));
    EXPECT_TRUE(isRunning(first));
    deadline.setRemainingTime(5000);
    while (!firstIsOnTop() && !deadline.hasExpired())
        QThread::msleep(100);
    EXPECT_TRUE(firstIsOnTop());

    EXPECT_EQ(stop(other, SIGTERM), 0);
    EXPECT_TRUE(QFile::exists(otherFolder.path() + "/Mosaro.dat"));
    EXPECT_EQ(stop(first, SIGTERM), 0);
}

TEST_F(Startup, SimultaneousStartsLeaveExactlyOneAndAKilledOneBlocksNothing)
{
    QProcess* a = start();
    QProcess* b = start();
    ASSERT_FALSE(mainWindow().isEmpty());
    QDeadlineTimer settled(10000);
    while (isRunning(a) && isRunning(b) && !settled.hasExpired())
        QThread::msleep(50);
    const int running = int(isRunning(a)) + int(isRunning(b));
    EXPECT_EQ(running, 1);
    QProcess* survivor = isRunning(a) ? a : b;

    ::kill(pid_t(survivor->processId()), SIGKILL);
    survivor->waitForFinished(5000);
    ASSERT_TRUE(waitForNoWindow("^Mosaro"));
    QProcess* next = start();
    EXPECT_FALSE(mainWindow().isEmpty());
    EXPECT_EQ(stop(next, SIGTERM), 0);
}

TEST_F(Startup, DamagedFileIsKeptAsACopyAndReported)
{
    QByteArray damaged = preparedFile();
    damaged.append("this line does not parse\r\n");
    writeDataFile(damaged);
    QProcess* mosaro = start();
    ASSERT_FALSE(mainWindow().isEmpty());
    const QString box = waitForWindow("^Mosaro$");
    ASSERT_FALSE(box.isEmpty());

    const QStringList copies = QDir(folder()).entryList({"Mosaro.dat.*.bak"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readFile(folder() + "/" + copies.first()), damaged);

    keys(box, {"Return"});
    EXPECT_TRUE(waitForNoWindow("^Mosaro$"));
    EXPECT_EQ(stop(mosaro, SIGTERM), 0);
    EXPECT_EQ(readDataFile(), preparedFile());
}

TEST_F(Startup, UnreadableFileEndsTheProgramWithoutWritingAnything)
{
    ASSERT_TRUE(QDir(folder()).mkdir("Mosaro.dat"));  // exists, but cannot be read as a file
    QProcess* mosaro = start();
    const QString box = waitForWindow("^Mosaro$");
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(tool("xdotool", {"search", "--onlyvisible", "--name", "^Mosaro ver"}).isEmpty());
    keys(box, {"Return"});
    EXPECT_EQ(waitForExit(mosaro), 1);
    EXPECT_TRUE(QFileInfo(dataFile()).isDir());
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{"mosaro"});
}

}  // namespace
