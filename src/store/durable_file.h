#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the data file and its backup copies. Failures come back as
// a short Japanese reason for the user.

// Why a file operation failed, in words for the user, from its errno value.
QString systemErrorReason(int error);

struct FileRead {
    bool exists = false;
    QByteArray bytes;
    unsigned permissions = 0; // of the file, for copies of it
    QString error;            // non-empty: the file exists but could not be read whole
};
// Only a regular file of at most maxBytes is read; anything else (a pipe, a device, a folder,
// a larger file) is an error, found without blocking and without reading it.
FileRead readWholeFile(const QString& path, qint64 maxBytes);

// Writes bytes to a new file beside path, syncs it to disk and renames it over path, so path
// holds either its old content or all of the new one. On failure nothing is left behind.
// Returns the reason for a failure, empty on success.
QString replaceFileDurably(const QString& path, const QByteArray& bytes);

// Removes the temporary files that replaceFileDurably for path leaves when the process dies
// between making one and the rename. Only safe while no other process may be saving path.
void removeLeftoverTemporaries(const QString& path);

// Creates path, which must not exist yet, with the given bytes and permissions, synced to
// disk. existed is set when the name is taken (then nothing was touched).
QString createFileDurably(const QString& path, const QByteArray& bytes, unsigned permissions,
                          bool& existed);
