#pragma once

#include "platform/platform.h"

#include <QString>

// Starts a command line without a shell, detached, in workingDir; why not, when it cannot.
StartResult startDetached(const QString& commandLine, const QString& workingDir);
