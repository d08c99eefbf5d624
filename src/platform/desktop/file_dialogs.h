#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QFileDialog;

// Turns "description|pattern|description|pattern..." into name filters whose descriptions are
// shown as written; patterns in one entry are separated by ";".
QStringList nameFiltersFromList(const QString& filterList);

// A file-open dialog of our own (not the desktop's), matching patterns as the data file's home
// platform does (see OpenDialogFilter): "*.exe" finds SETUP.EXE and "*.*" every file.
void prepareOpenDialog(QFileDialog& dialog, const QString& filterList);

// Asks for one file with the dialog above; nothing when cancelled.
std::optional<FileChoice> chooseFileToOpen(const QString& filterList);

// Asks for a colour, starting at black; 0x00BBGGRR, nothing when cancelled.
std::optional<int32_t> chooseColorBgr();
