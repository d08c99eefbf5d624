#pragma once

#include <QByteArray>
#include <QString>

// Writes a file, making its folder first; executable adds execute permission for everyone.
// Returns the path.
QString writeTempFile(const QString& path, const QByteArray& content, bool executable = false);

// A shell script that writes its working folder and then each argument, one per line, into
// `record` (renamed into place once complete, so readers never see half of it).
QByteArray argumentRecorder(const QString& record);

// The lines of a file once it exists, waiting up to ten seconds; empty when it never appears.
QStringList waitForLines(const QString& path);
