#pragma once

#include "store/item_store.h"

#include <QByteArray>
#include <QString>

// The data file "Mosaro.dat": PageCnt on the first line, then one CP932 line per used slot.
QString dataFilePath(const QString& programFolder);

struct LoadResult {
    enum class Status {
        Loaded,      // read as written (or no file yet: the first run)
        Damaged,     // read what could be read; the original was kept as backupPath
        Unreadable,  // exists but cannot be read; nothing was loaded, nothing may be written
    };
    Status status = Status::Loaded;
    int skippedLines = 0;  // lines that were not loaded or would not be saved again
    QString backupPath;
    QString error;         // for Unreadable: why
};

// Fills PageCnt and ItemTbl from the data file in programFolder.
LoadResult LoadItemFile(ItemStore& store, const QString& programFolder);

struct SaveResult {
    bool saved = false;
    QString error;  // why not, for the user
};

// Replaces the data file with PageCnt and every used slot of pages 0 to PageCnt. Either the
// whole new file is in place or the old one is untouched.
SaveResult SaveItemFile(const ItemStore& store, const QString& programFolder);

// The bytes SaveItemFile writes and the parser LoadItemFile reads, without the file.
QByteArray formatItemFile(const ItemStore& store);
struct ParseResult {
    int skippedLines = 0;
};
ParseResult parseItemFile(const QByteArray& bytes, ItemStore& store);
