#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class FileMode { Plain, Executable };

// Writes bytes to path, making its folder first; Executable adds execute permission for
// everyone. False when that fails.
bool writeFile(const QString& path, const QByteArray& bytes, FileMode mode = FileMode::Plain);

// The whole file; empty when it cannot be read.
QByteArray readFile(const QString& path);

// Names in a folder, for checking that nothing was left behind.
QStringList entriesOf(const QString& folder);

// Lets other users enter and read a folder (an unprivileged child, for one).
void openForOthers(const QString& folder);

// A shell script that writes its working folder and then each argument, one per line, into
// `record` (renamed into place once complete, so readers never see half of it).
QByteArray argumentRecorder(const QString& record);

// The lines of a file once it exists, waiting up to ten seconds; empty when it never appears.
QStringList waitForLines(const QString& path);
