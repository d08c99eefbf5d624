#pragma once

#include "store/durable_file.h"
#include "store/item_store.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The data file "Mosaro.dat": PageCnt on the first line, then one CP932 line per used slot.
QString dataFilePath(const QString& folder);

struct LoadResult {
    enum class Status {
        Loaded,     // read as written (or no file yet: the first run)
        Damaged,    // read what could be read; the original was kept as backupPath
        Unreadable, // exists but cannot be read; nothing was loaded, nothing may be written
    };
    Status status = Status::Loaded;
    int skippedLines = 0; // lines that were not loaded or would not be saved again
    QString backupPath;
    QString error; // for Unreadable: why
};

// Fills PageCnt and ItemTbl from the data file in folder; a damaged file's copy goes there too.
// It takes what an ItemFilePreload of the same file read, if one did.
LoadResult LoadItemFile(ItemStore& store, const QString& folder);

// The first half of LoadItemFile: the data file at path read and parsed into a table of its
// own. It writes nothing and touches no other table, so it may run on any thread.
struct ReadItemFile {
    FileRead file;
    std::unique_ptr<ItemStore> store = std::make_unique<ItemStore>();
    int skippedLines = 0;
};
ReadItemFile readItemFile(const QString& path);

struct SaveResult {
    bool saved = false;
    QString error; // why not, for the user
};

// Replaces the data file with PageCnt and every used slot of pages 0 to PageCnt. Either the
// whole new file is in place or the old one is untouched.
SaveResult SaveItemFile(const ItemStore& store, const QString& folder);

// The bytes SaveItemFile writes, without the file. A table holding a text the file cannot
// hold (see canStoreText) gives no bytes and an error naming the page, slot and field.
struct FormatResult {
    QByteArray bytes;
    QString error;
};
FormatResult formatItemFile(const ItemStore& store);

// What LoadItemFile reads, without the file: loads every well-formed record into the table and
// sets PageCnt. A first line that is out of range is clamped to 0..1000; one that is no
// number gives the highest page of a loaded record.
struct ParseResult {
    int skippedLines = 0; // unreadable lines, records outside the table or above PageCnt, and
                          // a first line that is not a page count in range
};
ParseResult parseItemFile(const QByteArray& bytes, ItemStore& store);
