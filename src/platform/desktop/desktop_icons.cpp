#include "platform/desktop/desktop_icons.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include "platform/desktop/gio.h"

#include <memory>

namespace {

// Only made once gio() gave the functions.
struct GObjectUnref {
    void operator()(gpointer object) const { gio()->objectUnref(object); }
};
struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};
using DesktopAppInfo = std::unique_ptr<GDesktopAppInfo, GObjectUnref>;
using OwnedChars = std::unique_ptr<char, GFree>;

DesktopAppInfo openEntry(const QString& desktopFile)
{
    const GioFunctions* const g = gio();
    if (!g)
        return {};
    return DesktopAppInfo(g->desktopAppInfoNewFromFilename(QFile::encodeName(desktopFile)));
}

QString iconOf(GDesktopAppInfo* entry)
{
    const GioFunctions& g = *gio();
    GIcon* icon = g.appInfoGetIcon(reinterpret_cast<GAppInfo*>(entry));
    if (!icon)
        return {};
    if (g.is(icon, g.fileIconGetType)) {
        const OwnedChars path(g.fileGetPath(g.fileIconGetFile(reinterpret_cast<GFileIcon*>(icon))));
        return path ? QFile::decodeName(path.get()) : QString();
    }
    if (g.is(icon, g.themedIconGetType)) {
        const gchar* const* names = g.themedIconGetNames(reinterpret_cast<GThemedIcon*>(icon));
        return names && names[0] ? QString::fromUtf8(names[0]) : QString();
    }
    return {};
}

// The first word of Exec with its quotes removed (GIO leaves them on its own executable).
QString execProgram(GDesktopAppInfo* entry)
{
    const OwnedChars exec(gio()->desktopAppInfoGetString(entry, "Exec"));
    gchar** words = nullptr;
    if (!exec || !g_shell_parse_argv(exec.get(), nullptr, &words, nullptr))
        return {};
    const QString program = QFile::decodeName(words[0]);
    g_strfreev(words);
    return program;
}

// The program file a command names: absolute as it stands, otherwise found through PATH.
QString programFile(const QString& command)
{
    if (command.isEmpty())
        return {};
    const QString found =
        QFileInfo(command).isAbsolute() ? command : QStandardPaths::findExecutable(command);
    return found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
}

} // namespace

QString desktopEntryIcon(const QString& desktopFile)
{
    const DesktopAppInfo entry = openEntry(desktopFile);
    return entry ? iconOf(entry.get()) : QString();
}

DesktopEntryIndex DesktopEntryIndex::build(const QStringList& dataFolders)
{
    DesktopEntryIndex index;
    QSet<QString> seenIds;
    for (const QString& folder : dataFolders) {
        const QDir applications(QDir(folder).filePath(QStringLiteral("applications")));
        if (!applications.exists())
            continue;
        QStringList files;
        QDirIterator it(applications.path(), {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort(); // the same index whatever order the file system lists
        for (const QString& file : files) {
            QString id = applications.relativeFilePath(file);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seenIds.contains(id))
                continue;
            seenIds.insert(id);
            index.add(file);
        }
    }
    return index;
}

void DesktopEntryIndex::add(const QString& desktopFile)
{
    const DesktopAppInfo entry = openEntry(desktopFile);
    if (!entry)
        return;
    const QString icon = iconOf(entry.get());
    if (icon.isEmpty())
        return;
    const OwnedChars tryExec(gio()->desktopAppInfoGetString(entry.get(), "TryExec"));
    for (const QString& command : {execProgram(entry.get()), QFile::decodeName(tryExec.get())}) {
        const QString program = programFile(command);
        if (!program.isEmpty() && !iconByProgram_.contains(program))
            iconByProgram_.insert(program, icon);
    }
}

QString DesktopEntryIndex::iconFor(const QString& programPath) const
{
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    return canonical.isEmpty() ? QString() : iconByProgram_.value(canonical);
}

const DesktopEntryIndex& processDesktopEntryIndex()
{
    static const DesktopEntryIndex index = DesktopEntryIndex::build(
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    return index;
}
