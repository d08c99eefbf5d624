#include "platform/desktop/program_icon_cache.h"

#include "platform/desktop/icon_source.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const char FingerprintKey[] = "IconThemes";

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
    return QStringLiteral("%1/mosaro/program-icon-%2.png").arg(folder).arg(pixelSize);
}

void keep(const QString& path, QImage image, const QString& fingerprint)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    image.setText(FingerprintKey, fingerprint);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG"))
        file.commit();
}

// What the kept image depends on: the theme names, search folders and their times.
QString iconThemeFingerprint(int pixelSize)
{
    QStringList parts{QString::number(pixelSize), QString::fromLatin1(qVersion()),
                      QIcon::themeName(), QIcon::fallbackThemeName()};
    for (const QString& folder : QIcon::themeSearchPaths() + QIcon::fallbackSearchPaths()) {
        if (!folder.startsWith(':'))
            describeFolder(folder, parts);
    }
    // A digest: the reader hands texts back with their white space simplified.
    return QString::fromLatin1(
        QCryptographicHash::hash(parts.join('\n').toUtf8(), QCryptographicHash::Sha1).toHex());
}

} // namespace

QImage cachedGenericProgramIcon(int pixelSize)
{
    const QString path = cacheFile(pixelSize);
    const QString fingerprint = iconThemeFingerprint(pixelSize);
    if (!path.isEmpty()) {
        QImageReader reader(path, "PNG");
        if (reader.canRead() && reader.text(FingerprintKey) == fingerprint) {
            const QImage kept = reader.read();
            if (kept.width() == pixelSize && kept.height() == pixelSize)
                return kept;
        }
    }
    const QImage image = genericProgramIcon(pixelSize);
    if (!image.isNull())
        keep(path, image, fingerprint);
    return image;
}
