#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the data file and its backup copies. Failures come back as
// a short Japanese reason for the user.

struct FileRead {
    bool exists = false;
    QByteArray bytes;
    unsigned permissions = 0; // of the file, for copies of it
    QString error;            // non-empty: the file exists but could not be read whole
};
FileRead readWholeFile(const QString& path);

// Writes bytes to a new file beside path, syncs it to disk and renames it over path, so path
// holds either its old content or all of the new one. On failure nothing is left behind.
// Returns the reason for a failure, empty on success.
QString replaceFileDurably(const QString& path, const QByteArray& bytes);

// Creates path, which must not exist yet, with the given bytes and permissions, synced to
// disk. existed is set when the name is taken (then nothing was touched).
QString createFileDurably(const QString& path, const QByteArray& bytes, unsigned permissions,
                          bool& existed);
