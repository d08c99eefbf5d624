#pragma once

#include <QString>
#include <QStringList>

// A command line taken apart into a program and its arguments, the way the line would be read
// where it is one string handed to the system.
struct SplitCommand {
    QString program;  // absolute path when found; otherwise the line's first word as written
    QStringList arguments;
    bool programFound = false;
};

// The program is the first word in double quotes, or else the shortest run of blank-separated
// words (blanks kept as written) that names an existing file; a bare name is looked up in PATH,
// a relative path against workingDir. The rest is split at blanks with the usual quoting
// rules, and consecutive unquoted arguments that together name an existing absolute path are
// joined back into one, since a Linux program cannot re-read the raw line to find them.
// Nothing is ever interpreted by a shell.
SplitCommand splitCommandLine(const QString& line, const QString& workingDir);

// Parameters alone, split into arguments by the same rules as the rest of a command line.
QStringList splitArguments(const QString& parameters);
