#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

struct ToolRun {
    int exitCode = -1;  // -1 when the tool did not start, crashed or ran out of time
    QByteArray output;
    QByteArray errors;
};

// Runs a command-line tool to its end, waiting at most timeoutMs.
ToolRun runTool(const QString& program, const QStringList& args,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                int timeoutMs = 30000);

// Runs body in a child process without root's right to ignore permissions (as is, when the
// tests do not run as root) and returns its exit status.
int runWithoutRoot(const std::function<int()>& body);
