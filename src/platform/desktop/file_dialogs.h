#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

// Turns "description|pattern|description|pattern..." into name filters whose descriptions are
// shown as written; patterns in one entry are separated by ";".
QStringList nameFiltersFromList(const QString& filterList);

// A file-open dialog of our own (not the desktop's), matching patterns as the data file's home
// platform does (see OpenDialogFilter): "*.exe" finds SETUP.EXE and "*.*" every file.
void prepareOpenDialog(QFileDialog& dialog, const QString& filterList);
