#include "platform/desktop/association.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

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

// The first word of an Exec line, its quotes undone. GIO's own executable name cuts the line at
// the first blank, which breaks a quoted path with blanks.
QString programOfCommandLine(const char* commandLine)
{
    int argc = 0;
    char** argv = nullptr;
    if (!commandLine || !g_shell_parse_argv(commandLine, &argc, &argv, nullptr))
        return {};
    const QString program = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
    g_strfreev(argv);
    return program;
}

// The default application's program as its desktop entry names it, following the user's and
// the system's mimeapps.list and the entries' own MIME lists.
QString defaultProgramFor(const QMimeType& type)
{
    GAppInfo* app = g_app_info_get_default_for_type(type.name().toUtf8().constData(), FALSE);
    if (!app)
        return {};
    const QString program = programOfCommandLine(g_app_info_get_commandline(app));
    g_object_unref(app);
    return program;
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
    const QString program = defaultProgramFor(type);
    if (program.isEmpty())
        return {};
    return QStandardPaths::findExecutable(program);
}
