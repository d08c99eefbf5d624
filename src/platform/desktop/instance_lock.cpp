#include "platform/desktop/instance_lock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int lockProgramFile(const QString& programPath)
{
    const QByteArray path = QFile::encodeName(programPath);
    // O_CLOEXEC: started programs must not inherit the lock.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return LockUnavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return LockHeldElsewhere;
    }
    return fd;
}
