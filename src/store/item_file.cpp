#include "store/item_file.h"

#include "store/durable_file.h"
#include "store/item_file_preload.h"

#include <QDateTime>
#include <QDir>

namespace {

// The largest file the program can write. The longest text it lets into a field is a
// full text box (32767 characters, plus the blank it adds to parameters); CP932 takes at most
// two bytes a character.
constexpr qint64 MaxFieldChars = 32768;
constexpr qint64 TextFields = 6;                         // each in double quotes
constexpr qint64 OtherFieldBytes = 4 + 2 + 7 + 11 + 11;  // page, slot, #FALSE#, IconNo, colour
constexpr qint64 RecordBytes = TextFields * (2 * MaxFieldChars + 2) + OtherFieldBytes + 10 + 2;
constexpr qint64 MaxDataFileBytes = 6 + qint64(MaxPage + 1) * SlotCount * RecordBytes;

LoadResult unreadable(const QString& why)
{
    LoadResult result;
    result.status = LoadResult::Status::Unreadable;
    result.error = why;
    return result;
}

// Keeps the damaged original beside it under a name no other file has, as
// "Mosaro.dat.20261207-103000.bak" (or "...-2.bak" when that is taken). Returns the name used,
// or sets error.
QString keepBackup(const QString& path, const FileRead& original, QString& error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString suffix = attempt == 1 ? QString() : QStringLiteral("-%1").arg(attempt);
        const QString name = QStringLiteral("%1.%2%3.bak").arg(path, stamp, suffix);
        bool existed = false;
        error = createFileDurably(name, original.bytes, original.permissions, existed);
        if (error.isEmpty())
            return name;
        if (!existed)
            return {};
    }
    error = QStringLiteral("控えの名前がすべて使われています。");
    return {};
}

} // namespace

QString dataFilePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Mosaro.dat"));
}

ReadItemFile readItemFile(const QString& path)
{
    ReadItemFile read;
    read.file = readWholeFile(path, MaxDataFileBytes);
    if (read.file.error.isEmpty() && !read.file.bytes.isEmpty())
        read.skippedLines = parseItemFile(read.file.bytes, *read.store).skippedLines;
    return read;
}

LoadResult LoadItemFile(ItemStore& store, const QString& folder)
{
    const QString path = dataFilePath(folder);
    // Loading happens once, at start-up with the instance lock held, so no save of ours can
    // be under way: a temporary file beside the data file is what a killed save left.
    removeLeftoverTemporaries(path);
    std::optional<ReadItemFile> preloaded = ItemFilePreload::take(path);
    const ReadItemFile read = preloaded ? std::move(*preloaded) : readItemFile(path);
    const FileRead& file = read.file;
    if (!file.error.isEmpty())
        return unreadable(file.error);
    if (!file.exists || file.bytes.isEmpty())
        return {}; // the first run: an empty table

    store.takeTable(*read.store);
    LoadResult result;
    result.skippedLines = read.skippedLines;
    if (result.skippedLines == 0)
        return result;

    // The next save would drop what was skipped, so the original is kept first; a file that
    // cannot be kept must never be written over.
    QString error;
    result.backupPath = keepBackup(path, file, error);
    if (result.backupPath.isEmpty()) {
        store.clearTable();
        return unreadable(
            QStringLiteral("内容に読めない行があり、元のファイルの控えも作れませんでした。%1")
                .arg(error));
    }
    result.status = LoadResult::Status::Damaged;
    return result;
}

SaveResult SaveItemFile(const ItemStore& store, const QString& folder)
{
    const FormatResult formatted = formatItemFile(store);
    if (!formatted.error.isEmpty())
        return {false, formatted.error};
    const QString error = replaceFileDurably(dataFilePath(folder), formatted.bytes);
    return {error.isEmpty(), error};
}
