// Starting items: never through a shell, detached, in the item's folder.
#include "platform/desktop/command_split.h"
#include "platform/desktop/program_start.h"

#include <QFileInfo>
#include <QProcess>

StartResult startDetached(const QString& commandLine, const QString& workingDir)
{
    if (!workingDir.isEmpty() && !QFileInfo(workingDir).isDir())
        return {false, QStringLiteral("作業フォルダ「%1」がありません。").arg(workingDir)};
    const SplitCommand command = splitCommandLine(commandLine, workingDir);
    if (command.program.isEmpty())
        return {false, QStringLiteral("起動するプログラムが指定されていません。")};
    // Where the line holds blanks we cannot tell which words were meant as the program, so
    // the caller shows the whole line rather than our guess.
    if (!command.programFound)
        return {false, QStringLiteral("起動するプログラムが見つかりません。")};
    if (!QFileInfo(command.program).isExecutable())
        return {
            false,
            QStringLiteral("プログラム「%1」には実行の許可がありません。").arg(command.program)};

    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(workingDir);
    process.setStandardInputFile(QProcess::nullDevice());
    // startDetached forks twice, so the started program is never our child and leaves no
    // zombie behind; the instance form gives the reason when exec fails.
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return {false, QStringLiteral("プログラム「%1」を起動できませんでした（%2）。")
                           .arg(command.program, process.errorString())};
    return {true, {}};
}
