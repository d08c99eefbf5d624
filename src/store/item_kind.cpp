#include "store/item_kind.h"

#include <QFile>
#include <QFileInfo>

PathParts splitItemPath(const QString& path)
{
    PathParts parts;
    if (path == QLatin1String("/")) {
        parts.folder = path;
        parts.title = path;
        return parts;
    }
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    parts.folder = path.left(slash + 1);
    parts.name = path.mid(slash + 1);
    const int dot = parts.name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        parts.title = parts.name;
    } else {
        parts.title = parts.name.left(dot);
        parts.extension = parts.name.mid(dot + 1);
    }
    return parts;
}

namespace {

bool isProgramExtension(const QString& extension)
{
    for (const char* program : {"exe", "scr", "EXE", "SCR"})
        if (extension == QLatin1String(program))
            return true;
    return false;
}

bool isNativeExecutable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArray::fromHex("7f454c46") || head.startsWith("#!");
}

}  // namespace

bool isProgramFile(const QString& path)
{
    // A folder is opened by whatever opens folders, even one named like a program.
    if (QFileInfo(path).isDir())
        return false;
    return isProgramExtension(splitItemPath(path).extension) || isNativeExecutable(path);
}
