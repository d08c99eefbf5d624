#include "platform/desktop/association.h"

#include "platform/desktop/entry_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include "platform/desktop/gio.h"

namespace {

QMimeType documentType(const QFileInfo& file)
{
    QMimeDatabase database;
    if (file.isDir())
        return database.mimeTypeForName(QStringLiteral("inode/directory"));
    if (file.suffix().isEmpty() && file.exists())
        return database.mimeTypeForFile(file, QMimeDatabase::MatchDefault);
    return database.mimeTypeForFile(file.filePath(), QMimeDatabase::MatchExtension);
}

// The desktop entry of the default application, following the user's and the system's
// mimeapps.list and the entries' own MIME lists. The entry is kept whole: its Exec line may
// hold a wrapper (env, flatpak run) whose first word alone opens nothing.
QString defaultEntryFor(const QMimeType& type)
{
    const GioFunctions* const g = gio();
    if (!g)
        return {};
    GAppInfo* app = g->appInfoGetDefaultForType(type.name().toUtf8().constData(), FALSE);
    if (!app)
        return {};
    const char* file = g->is(app, g->desktopAppInfoGetType)
                           ? g->desktopAppInfoGetFilename(reinterpret_cast<GDesktopAppInfo*>(app))
                           : nullptr;
    const QString entry = file ? QFile::decodeName(file) : QString();
    g->objectUnref(app);
    return entry;
}

}  // namespace

QString associatedProgram(const QString& fileName, const QString& directory)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo file(QDir(directory), fileName);
    const QMimeType type = documentType(file);
    // An unknown type has no association, whatever may claim to open any data.
    if (!type.isValid() || type.isDefault())
        return {};
    const QString entry = defaultEntryFor(type);
    // GIO offers entries whose program is missing as well; those open nothing.
    if (entry.isEmpty() || !entryCommand(entry, {}).error.isEmpty())
        return {};
    return entry;
}
