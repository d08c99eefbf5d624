#include "platform/desktop/instance_lock.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(InstanceLock, OneHolderPerFileReleasedWhenTheHolderGoes)
{
    QTemporaryDir dir;
    const QString program = dir.path() + "/mosaro";
    const QString copy = dir.path() + "/copy/mosaro";
    for (const QString& path : {program, copy})
        ASSERT_TRUE(writeFile(path, {}));

    const int first = lockProgramFile(program);
    ASSERT_GE(first, 0);
    EXPECT_EQ(lockProgramFile(program), LockHeldElsewhere);
    const int other = lockProgramFile(copy);  // another file is another program
    EXPECT_GE(other, 0);
    ::close(first);
    ::close(other);

    // A holder killed outright leaves no stale lock behind.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = lockProgramFile(program);
        const char byte = fd >= 0 ? 1 : 0;
        [[maybe_unused]] ssize_t n = ::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);
    EXPECT_EQ(lockProgramFile(program), LockHeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const int again = lockProgramFile(program);
    EXPECT_GE(again, 0);
    ::close(again);

    EXPECT_EQ(lockProgramFile(dir.path() + "/missing"), LockUnavailable);
}

}  // namespace
