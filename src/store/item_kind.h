#pragma once

#include <QString>

// A dropped or chosen file's path split the way items are made from it.
struct PathParts {
    QString folder;     // everything before the name, with its trailing "/"
    QString name;       // the last part of the path, with its extension
    QString title;      // the name without its last "." and extension; the whole name without "."
    QString extension;  // after the last "."; empty when the name holds none
};
PathParts splitItemPath(const QString& path);

// Program or document: a program has the extension exactly "exe", "scr", "EXE" or "SCR", or is
// a regular executable file that is an ELF binary or starts with "#!". Everything else,
// folders included, is a document, opened by the program associated with it.
bool isProgramFile(const QString& path);
