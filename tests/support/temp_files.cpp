#include "support/temp_files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

QString writeTempFile(const QString& path, const QByteArray& content, bool executable)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup
                            | QFile::ExeOther);
    return path;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}
