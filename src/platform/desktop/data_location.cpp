#include "platform/desktop/data_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

QString runningProgramFolder()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

QString chooseDataFolder(const QString& programFolder)
{
    if (::access(QFile::encodeName(programFolder).constData(), W_OK) == 0)
        return programFolder;
    return userDataFolder();
}

QString userDataFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/mosaro"));
}
