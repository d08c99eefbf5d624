#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

// Starts an existing program file detached in workingDir (empty: the current folder), its
// input from /dev/null; never through a shell and never waiting. The error says why it did
// not start.
StartResult startDetachedProgram(const QString& program, const QStringList& arguments,
                                 const QString& workingDir);
