#include "store/durable_file.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {


QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("データファイルとしては大きすぎます（%1 MB を超えています）。")
        .arg(maxBytes / (1024 * 1024));
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

// A data file that is a link stays one: the file it points to is replaced.
QFileInfo replacedFile(const QString& path)
{
    const QFileInfo link(path);
    return QFileInfo(link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath());
}

// The new content is written beside the file under its name, this suffix and six letters or
// digits (mkstemp's), then renamed over it.
constexpr char TempSuffix[] = ".new-";

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

QString systemErrorReason(int error)
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
    case EXDEV:
        what = QStringLiteral("別のファイルシステムへは名前の付け替えで置き換えられません。");
        break;
    case ENAMETOOLONG: what = QStringLiteral("ファイル名が長すぎます。"); break;
    case ELOOP: what = QStringLiteral("シンボリックリンクが循環しています。"); break;
    case EMFILE:
    case ENFILE: what = QStringLiteral("開いているファイルが多すぎます。"); break;
    case EBUSY:
    case ETXTBSY: what = QStringLiteral("ファイルが使用中です。"); break;
    default: {
        // No Japanese wording for it: the system's own name and text tell the reader most.
        const char* name = ::strerrorname_np(error);
        return QStringLiteral("予期しないシステムエラーです（%1: %2）。")
            .arg(QString::fromLatin1(name ? name : "errno"),
                 QString::fromLocal8Bit(std::strerror(error)));
    }
    }
    return what + QStringLiteral("（%1）").arg(QString::fromLocal8Bit(std::strerror(error)));
}

FileRead readWholeFile(const QString& path, qint64 maxBytes)
{
    FileRead result;
    // Non-blocking, so that a named pipe cannot hold the open up; only a regular file is read.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        result.exists = error != ENOENT;
        if (result.exists)
            result.error = systemErrorReason(error);
        return result;
    }
    result.exists = true;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.error = systemErrorReason(errno);
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = S_ISDIR(info.st_mode)
                           ? systemErrorReason(EISDIR)
                           : QStringLiteral("普通のファイルではありません（名前付きパイプ、"
                                            "デバイスなど）。");
        ::close(fd);
        return result;
    }
    if (info.st_size > maxBytes) {
        result.error = tooLarge(maxBytes);
        ::close(fd);
        return result;
    }
    result.permissions = info.st_mode & 07777;
    // Room for the whole file and the read that finds its end, so an unchanged file is never
    // copied into a larger buffer.
    result.bytes.reserve(qsizetype(info.st_size) + 4096);
    // Read until the end, however the size changes meanwhile, but never past the limit.
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
            result.error = systemErrorReason(errno);
            result.bytes.clear();
            break;
        }
        if (result.bytes.size() > maxBytes) {
            result.error = tooLarge(maxBytes);
            result.bytes.clear();
            break;
        }
    }
    ::close(fd);
    return result;
}

QString replaceFileDurably(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target = replacedFile(path);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    QByteArray tempName = targetName + TempSuffix + "XXXXXX";

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return systemErrorReason(errno);
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
        return systemErrorReason(error);
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
        return systemErrorReason(error);
    }
    int error = writeAllAndSync(fd, bytes);
    const int closeError = closeChecked(fd);
    if (error == 0)
        error = closeError;
    if (error != 0) {
        ::unlink(name.constData());
        return systemErrorReason(error);
    }
    syncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
    return {};
}

namespace {

// The name mkstemp gives a temporary of ours: the prefix and six letters or digits.
bool isTemporaryOf(const QString& name, const QString& prefix)
{
    constexpr qsizetype RandomPart = 6;
    if (name.size() != prefix.size() + RandomPart || !name.startsWith(prefix))
        return false;
    for (const QChar c : QStringView(name).last(RandomPart)) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

} // namespace

void removeLeftoverTemporaries(const QString& path)
{
    const QFileInfo target = replacedFile(path);
    const QString prefix = target.fileName() + QLatin1String(TempSuffix);
    const QDir folder = target.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (isTemporaryOf(name, prefix))
            ::unlink(QFile::encodeName(folder.filePath(name)).constData());
    }
}
