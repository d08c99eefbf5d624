#include "platform/desktop/instance_channel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::optional<sockaddr_un> addressOf(const QByteArray& name)
{
    sockaddr_un address{};
    if (size_t(name.size()) >= sizeof address.sun_path)
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

} // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel()
{
    close();
}

QString InstanceChannel::pathFor(const QString& dataFolder)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(dataFolder)),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("%1/mosaro-%2-%3")
        .arg(folder)
        .arg(::getuid())
        .arg(QString::fromLatin1(hash));
}

bool InstanceChannel::knock(const QString& path)
{
    const std::optional<sockaddr_un> address = addressOf(QFile::encodeName(path));
    if (!address)
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool reached =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    ::close(fd);
    return reached;
}

bool InstanceChannel::listen(const QString& path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    const std::optional<sockaddr_un> address = addressOf(name);
    if (!address)
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    ::unlink(name.constData());
    // Only this user may knock.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0
        || ::chmod(name.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        ::unlink(name.constData());
        return false;
    }
    fd_ = fd;
    path_ = name;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InstanceChannel::acceptKnocks);
    return true;
}

void InstanceChannel::acceptKnocks()
{
    int knock;
    while ((knock = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        ::close(knock);
        emit knocked();
    }
}

void InstanceChannel::close()
{
    if (fd_ < 0)
        return;
    notifier_.reset();
    ::close(fd_);
    ::unlink(path_.constData());
    fd_ = -1;
}
