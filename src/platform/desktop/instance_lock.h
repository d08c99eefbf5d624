#pragma once

#include <QString>

// Locks the program file itself, so that exactly one process runs a given executable: copies
// in other folders are other programs, and the kernel drops the lock when the process dies.
// Returns the descriptor that holds the lock, LockHeldElsewhere when another process holds
// it, or LockUnavailable when the file cannot be opened (then nothing can be told).
constexpr int LockHeldElsewhere = -1;
constexpr int LockUnavailable = -2;

int lockProgramFile(const QString& programPath);
