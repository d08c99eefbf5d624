#include "store/item_file.h"

#include <QDir>

// Placeholder until the data file lands.
QString dataFilePath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Mosaro.dat"));
}
LoadResult LoadItemFile(ItemStore&, const QString&) { return {}; }
SaveResult SaveItemFile(const ItemStore&, const QString&) { return {true, {}}; }
QByteArray formatItemFile(const ItemStore&) { return {}; }
ParseResult parseItemFile(const QByteArray&, ItemStore&) { return {}; }
