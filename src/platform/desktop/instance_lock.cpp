#include "platform/desktop/instance_lock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& dataFolder)
{
    QDir().mkpath(dataFolder);
    const QByteArray path = QFile::encodeName(dataFolder);
    // O_CLOEXEC: started programs must not inherit the lock.
    fd_ = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Ours;
        return;
    }
    if (errno == EWOULDBLOCK)
        state_ = State::HeldElsewhere;
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
