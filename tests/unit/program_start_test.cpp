#include "platform/desktop/desktop_platform.h"

#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

// Children of this process that ended and were never reaped.
int zombieChildren()
{
    int zombies = 0;
    const QString self = QString::number(getpid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks, so read after the last ')'.
        const QString line = QString::fromLatin1(stat.readAll());
        const QStringList fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[0] == "Z" && fields[1] == self)
            ++zombies;
    }
    return zombies;
}

class ProgramStart : public ::testing::Test {
protected:
    QTemporaryDir dir;
    DesktopPlatform platform{QDir::tempPath()};
    QString folder;
    QString record;
    QString recorder;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath("work dir; $x `y` &z");
        record = dir.filePath("record.txt");
        recorder = folder + "/rec app";
        ASSERT_TRUE(writeFile(recorder, argumentRecorder(record), FileMode::Executable));
    }
};

TEST_F(ProgramStart, StartsDetachedInTheFolderWithArgumentsUntouched)
{
    const QString memo = folder + "/My Docs/a b.txt";
    ASSERT_TRUE(writeFile(memo, "text\n"));
    const StartResult result =
        platform.startCommandLine(recorder + R"( -a "q r" ; | $HOME `id` > out * )" + memo, folder);
    ASSERT_TRUE(result.started) << result.error.toStdString();

    EXPECT_EQ(waitForLines(record),
              (QStringList{folder, "-a", "q r", ";", "|", "$HOME", "`id`", ">", "out", "*", memo}));
    EXPECT_FALSE(QFile::exists(folder + "/out"));  // no shell redirected anything
    EXPECT_EQ(zombieChildren(), 0);
}

TEST_F(ProgramStart, EmptyFolderStartsWhereTheLauncherIs)
{
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const StartResult result = platform.startCommandLine(recorder + " ", {});
    QDir::setCurrent(saved);
    ASSERT_TRUE(result.started) << result.error.toStdString();
    EXPECT_EQ(waitForLines(record), QStringList{dir.path()});
}

TEST_F(ProgramStart, FailuresAreReportedAndStartNothing)
{
    StartResult result = platform.startCommandLine(folder + "/missing -a", folder);
    EXPECT_FALSE(result.started);
    EXPECT_FALSE(result.error.isEmpty());

    const QString notExecutable = folder + "/plain";
    ASSERT_TRUE(writeFile(notExecutable, "#!/bin/sh\n"));
    result = platform.startCommandLine(notExecutable + " ", folder);
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(result.error.contains(notExecutable));

    // Executable, but the system cannot run it.
    const QString garbage = folder + "/garbage";
    ASSERT_TRUE(writeFile(garbage, "\x01\x02\x03 not a program", FileMode::Executable));
    EXPECT_FALSE(platform.startCommandLine(garbage + " ", folder).started);

    // A folder that is gone is named, not hidden behind the system's words.
    result = platform.startCommandLine(recorder + " ", dir.filePath("gone"));
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(result.error.contains("「" + dir.filePath("gone") + "」")) << result.error.toStdString();
    EXPECT_FALSE(platform.startCommandLine("", folder).started);
    EXPECT_FALSE(QFile::exists(record));
}

}  // namespace
