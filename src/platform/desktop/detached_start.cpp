#include "platform/desktop/detached_start.h"

#include <QFileInfo>
#include <QProcess>

StartResult startDetachedProgram(const QString& program, const QStringList& arguments,
                                 const QString& workingDir)
{
    if (!QFileInfo(program).isExecutable())
        return {false,
                QStringLiteral("プログラム「%1」には実行の許可がありません。").arg(program)};

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    process.setStandardInputFile(QProcess::nullDevice());
    // startDetached forks twice, so the started program is never our child and leaves no
    // zombie behind; the instance form gives the reason when exec fails.
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return {false, QStringLiteral("プログラム「%1」を起動できませんでした（%2）。")
                           .arg(program, process.errorString())};
    return {true, {}};
}
