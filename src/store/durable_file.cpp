#include "store/durable_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reasonFor(int error)
{
    QString what;
    switch (error) {
    case ENOSPC:
    case EDQUOT: what = QStringLiteral("ディスクの空きが足りません。"); break;
    case EFBIG: what = QStringLiteral("ファイルが大きすぎます。"); break;
    case EACCES:
    case EPERM: what = QStringLiteral("アクセスする権限がありません。"); break;
    case EROFS: what = QStringLiteral("読み取り専用の場所です。"); break;
    case ENOENT: what = QStringLiteral("フォルダーが見つかりません。"); break;
    case ENOTDIR: what = QStringLiteral("フォルダーの代わりにファイルがあります。"); break;
    case EISDIR: what = QStringLiteral("ファイルの代わりにフォルダーがあります。"); break;
    case EIO: what = QStringLiteral("ディスクの入出力エラーです。"); break;
    default: what = QStringLiteral("システムエラーです。"); break;
    }
    return what + QStringLiteral("（%1）").arg(QString::fromLocal8Bit(std::strerror(error)));
}

// Writes all bytes and flushes them to the disk; 0 or the error number.
int writeAllAndSync(int fd, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        next += written;
        left -= written;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Closes fd; 0 or the error number.
int closeChecked(int fd)
{
    return ::close(fd) == 0 ? 0 : errno;
}

// Makes a rename or a new name in the folder survive a crash. Some file systems cannot sync a
// folder; the file itself is already on disk then, so this is best effort.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

FileRead readWholeFile(const QString& path)
{
    FileRead result;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result.exists = error != ENOENT;
        if (result.exists)
            result.error = reasonFor(error);
        return result;
    }
    result.exists = true;
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        result.permissions = info.st_mode & 07777;
        result.bytes.reserve(qsizetype(info.st_size) + 1);
    }
    // Read until the end, however the size changes meanwhile.
    for (;;) {
        if (result.bytes.capacity() - result.bytes.size() < 4096)
            result.bytes.reserve(result.bytes.size() * 2 + 4096);
        const qsizetype size = result.bytes.size();
        result.bytes.resize(result.bytes.capacity());
        const ssize_t got =
            ::read(fd, result.bytes.data() + size, size_t(result.bytes.size() - size));
        result.bytes.resize(size + std::max<ssize_t>(got, 0));
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR) {
            result.error = reasonFor(errno);
            result.bytes.clear();
            break;
        }
    }
    ::close(fd);
    return result;
}

QString replaceFileDurably(const QString& path, const QByteArray& bytes)
{
    // A data file that is a link stays one: the file it points to is replaced.
    const QFileInfo link(path);
    const QFileInfo target(link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath());
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    QByteArray tempName = targetName + ".new-XXXXXX";

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return reasonFor(errno);
    struct stat old {};
    const mode_t mode =
        ::stat(targetName.constData(), &old) == 0 ? old.st_mode & 07777 : 0666 & ~currentUmask();
    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (error == 0)
        error = writeAllAndSync(fd, bytes);
    const int closeError = closeChecked(fd);
    if (error == 0)
        error = closeError;
    if (error == 0 && ::rename(tempName.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tempName.constData());
        return reasonFor(error);
    }
    syncFolder(QFile::encodeName(target.absolutePath()));
    return {};
}

QString createFileDurably(const QString& path, const QByteArray& bytes, unsigned permissions,
                          bool& existed)
{
    existed = false;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          mode_t(permissions ? permissions : 0666));
    if (fd < 0) {
        const int error = errno;
        existed = error == EEXIST;
        return reasonFor(error);
    }
    int error = writeAllAndSync(fd, bytes);
    const int closeError = closeChecked(fd);
    if (error == 0)
        error = closeError;
    if (error != 0) {
        ::unlink(name.constData());
        return reasonFor(error);
    }
    syncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
    return {};
}
