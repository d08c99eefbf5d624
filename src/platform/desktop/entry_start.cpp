#include "platform/desktop/entry_start.h"

#include "platform/desktop/detached_start.h"
#include "platform/desktop/entry_command.h"

StartResult startDesktopEntryFile(const QString& entryFile, const QStringList& arguments,
                                  const QString& workingDir)
{
    const EntryCommand command = entryCommand(entryFile, arguments);
    if (!command.error.isEmpty())
        return {false, command.error};
    return startDetachedProgram(command.program, command.arguments, workingDir);
}

EntrySummary summarizeDesktopEntry(const QString& entryFile)
{
    const std::optional<DesktopEntry> entry = readDesktopEntry(entryFile);
    if (!entry)
        return {};
    return {entry->name, entry->path};
}
