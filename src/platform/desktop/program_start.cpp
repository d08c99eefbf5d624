// Starting items: never through a shell, detached, in the item's folder.
#include "platform/desktop/command_split.h"
#include "platform/desktop/detached_start.h"
#include "platform/desktop/program_start.h"

#include <QFileInfo>

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
    return startDetachedProgram(command.program, command.arguments, workingDir);
}
