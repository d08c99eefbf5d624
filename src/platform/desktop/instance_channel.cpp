#include "platform/desktop/instance_channel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent)
{
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            socket->deleteLater();
            emit knocked();
        }
    });
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
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (size_t(name.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool reached =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return reached;
}

bool InstanceChannel::listen(const QString& path)
{
    QLocalServer::removeServer(path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(path);
}
