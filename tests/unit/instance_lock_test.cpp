#include "platform/desktop/instance_channel.h"
#include "platform/desktop/instance_lock.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using State = InstanceLock::State;

TEST(InstanceLock, OneHolderPerDataFolderReleasedWhenTheHolderGoes)
{
    QTemporaryDir dir;
    // Two users of one installed copy: each has a data folder of their own, not made yet.
    const QString alice = dir.path() + "/alice/.local/share/mosaro";
    const QString bob = dir.path() + "/bob/.local/share/mosaro";

    auto first = std::make_unique<InstanceLock>(alice);
    EXPECT_EQ(first->state(), State::Ours);
    EXPECT_TRUE(QFileInfo(alice).isDir());
    EXPECT_EQ(InstanceLock(alice).state(), State::HeldElsewhere);
    EXPECT_EQ(InstanceLock(bob).state(), State::Ours);
    // The lock sits on the folder: saving, which replaces the data file, leaves it alone, and
    // no lock file is left beside the data.
    EXPECT_TRUE(QDir(alice).isEmpty());
    first.reset();
    EXPECT_EQ(InstanceLock(alice).state(), State::Ours);

    // A holder killed outright leaves no stale lock behind.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceLock held(alice);
        const char byte = held.state() == State::Ours ? 1 : 0;
        [[maybe_unused]] ssize_t n = ::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);
    EXPECT_EQ(InstanceLock(alice).state(), State::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock(alice).state(), State::Ours);
}

TEST(InstanceLock, AFolderThatCannotBeMadeIsNotTakenForAnotherInstance)
{
    QTemporaryDir dir;
    QFile plain(dir.path() + "/file");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    EXPECT_EQ(InstanceLock(plain.fileName() + "/mosaro").state(), State::Unknown);
}

TEST(InstanceChannel, ASecondStartReachesTheCopyOfItsOwnDataFolderOnly)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString path = InstanceChannel::pathFor("/home/alice/.local/share/mosaro");
    EXPECT_TRUE(path.startsWith(runtime.path() + "/"));
    EXPECT_EQ(path, InstanceChannel::pathFor("/home/alice/.local/share/mosaro/"));
    const QString other = InstanceChannel::pathFor("/home/bob/.local/share/mosaro");
    EXPECT_NE(path, other);

    EXPECT_FALSE(InstanceChannel::knock(path));  // no one runs yet
    // A killed copy leaves its socket file behind; the next holder of the lock takes over.
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    InstanceChannel channel;
    ASSERT_TRUE(channel.listen(path));
    int knocks = 0;
    QObject::connect(&channel, &InstanceChannel::knocked, [&knocks] { ++knocks; });
    EXPECT_TRUE(InstanceChannel::knock(path));
    EXPECT_FALSE(InstanceChannel::knock(other));
    const QDeadlineTimer deadline(5000);
    while (knocks == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(knocks, 1);
    // No other user may knock, and nothing is left when the copy ends.
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                          | QFileDevice::ReadOther | QFileDevice::WriteOther),
              QFileDevice::Permissions());
    {
        InstanceChannel later;
        ASSERT_TRUE(later.listen(other));
    }
    EXPECT_FALSE(QFile::exists(other));
    qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
