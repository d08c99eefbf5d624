#pragma once

#include "platform/platform.h"

#include <QString>

// What a dropped or chosen file makes of an item, before anything is written to the table.
struct FileItem {
    QString folder;  // InitDir, with its trailing "/"
    QString title;
    QString iconFile;
    bool isDoc = false;
    QString assocExe;
};

// A program keeps its own path as icon file; a desktop entry gives its name as title and its
// start folder as folder. A document is opened by what the association lookup gives for
// lookupName (the drop passes the name alone, the browse the whole path) and shows its icon.
FileItem itemFromFile(const QString& path, const QString& lookupName, Platform& platform);

// Why the data file cannot hold the item made from path, naming the text and the character;
// empty when every field can be stored.
QString unstorableItemReason(const QString& path, const FileItem& item);
