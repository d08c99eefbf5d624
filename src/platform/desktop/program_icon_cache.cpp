#include "platform/desktop/program_icon_cache.h"

#include "platform/desktop/icon_source.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

namespace {

// A kept icon is this line, the fingerprint of the themes and a line end, then the pixels as
// premultiplied ARGB32: read without the image plugins, whose first use costs about as much
// as the theme lookup it spares.
const char Signature[] = "mosaro-program-icon 1\n";

QString modified(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? QString::number(info.lastModified().toMSecsSinceEpoch()) : QString();
}

// A search folder and every theme in it. Installing or removing an icon rewrites the theme's
// icon-theme.cache or index.theme, or at least touches the theme folder.
void describeFolder(const QString& folder, QStringList& out)
{
    out << folder + '@' + modified(folder);
    const QDir dir(folder);
    for (const QString& theme : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = dir.filePath(theme);
        out << theme + '@' + modified(path) + '/' + modified(path + "/index.theme") + '/'
                   + modified(path + "/icon-theme.cache");
    }
}

QString cacheFile(int pixelSize)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty())
        return {};
    return QStringLiteral("%1/mosaro/program-icon-%2.argb").arg(folder).arg(pixelSize);
}

QByteArray headerOf(const QByteArray& fingerprint)
{
    return Signature + fingerprint + '\n';
}

qsizetype pixelBytes(int pixelSize)
{
    return qsizetype(pixelSize) * pixelSize * 4;
}

QImage readKept(const QString& path, const QByteArray& fingerprint, int pixelSize)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = headerOf(fingerprint);
    const QByteArray bytes = file.read(header.size() + pixelBytes(pixelSize) + 1);
    if (bytes.size() != header.size() + pixelBytes(pixelSize) || !bytes.startsWith(header))
        return {};
    QImage image(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
    std::memcpy(image.bits(), bytes.constData() + header.size(), size_t(pixelBytes(pixelSize)));
    return image;
}

void keep(const QString& path, const QImage& image, const QByteArray& fingerprint, int pixelSize)
{
    if (path.isEmpty() || image.size() != QSize(pixelSize, pixelSize)
        || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(headerOf(fingerprint));
    file.write(reinterpret_cast<const char*>(pixels.constBits()), pixelBytes(pixelSize));
    file.commit();
}

// What the kept image depends on: the theme names, search folders and their times.
QByteArray iconThemeFingerprint(int pixelSize)
{
    QStringList parts{QString::number(pixelSize), QString::fromLatin1(qVersion()),
                      QIcon::themeName(), QIcon::fallbackThemeName()};
    for (const QString& folder : QIcon::themeSearchPaths() + QIcon::fallbackSearchPaths()) {
        if (!folder.startsWith(':'))
            describeFolder(folder, parts);
    }
    return QCryptographicHash::hash(parts.join('\n').toUtf8(), QCryptographicHash::Sha1).toHex();
}

} // namespace

QImage cachedGenericProgramIcon(int pixelSize)
{
    const QString path = cacheFile(pixelSize);
    const QByteArray fingerprint = iconThemeFingerprint(pixelSize);
    const QImage kept = readKept(path, fingerprint, pixelSize);
    if (!kept.isNull())
        return kept;
    const QImage image = genericProgramIcon(pixelSize);
    keep(path, image, fingerprint, pixelSize);
    return image;
}
