#include "support/files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

bool writeFile(const QString& path, const QByteArray& bytes, FileMode mode)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    if (mode == FileMode::Executable)
        return file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup
                                   | QFile::ExeOther);
    return true;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void openForOthers(const QString& folder)
{
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                      | QFileDevice::ExeOther);
}

QByteArray argumentRecorder(const QString& record)
{
    // The record's path is quoted for the shell that runs the script, not by the launcher.
    QString quoted = record;
    quoted.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return "#!/bin/sh\n"
           "out='"
           + quoted.toUtf8()
           + "'\n"
             "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.part\"\n"
             "mv \"$out.part\" \"$out\"\n";
}

QStringList waitForLines(const QString& path)
{
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(path) && !deadline.hasExpired())
        QThread::msleep(20);
    QString text = QString::fromUtf8(readFile(path));
    if (text.isEmpty() && !QFileInfo::exists(path))
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}
