#pragma once

#include "platform/desktop/desktop_entry.h"

#include <QString>
#include <QStringList>

#include <optional>

// The words of an Exec line, taken apart by its quoting rules, with the field codes expanded:
// %f %F %u %U give the arguments (a code that is a word of its own gives one word per
// argument, a code inside a word the arguments joined with blanks), %i gives "--icon" and the
// icon, %c the name, %k the entry file, %% a percent sign; the deprecated %d %D %n %N %v %m
// give nothing. A line without a file code gets the arguments at its end, so they are never
// lost. Nothing when the line breaks the rules (an open quote, an unknown code).
std::optional<QStringList> expandExec(const DesktopEntry& entry, const QString& entryFile,
                                      const QStringList& arguments);

// What starting a desktop entry runs: the program as an absolute path and its arguments.
struct EntryCommand {
    QString program;
    QStringList arguments;
    QString error;  // non-empty: the entry cannot be started, and this says why, for the user
};

// The command that starts the entry in entryFile with arguments as its files or URLs. The
// entry must be a readable application entry, not hidden, with an Exec line whose program
// (and TryExec, if given) is found; Terminal=true runs it in x-terminal-emulator.
EntryCommand entryCommand(const QString& entryFile, const QStringList& arguments);
