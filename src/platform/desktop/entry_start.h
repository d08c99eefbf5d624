#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

// Starts the application of a desktop entry with arguments as its files or URLs, detached in
// workingDir; a broken entry or a program that will not start is told in the error.
StartResult startDesktopEntryFile(const QString& entryFile, const QStringList& arguments,
                                  const QString& workingDir);

// What a desktop entry says about itself as an item (name and start folder).
EntrySummary summarizeDesktopEntry(const QString& entryFile);
