#pragma once

#include <functional>

// Runs onQuit on the UI thread when the process gets SIGTERM, SIGHUP or SIGINT (the ways a
// Linux session asks a program to end), so the program can close the normal way.
void installQuitSignals(std::function<void()> onQuit);

// Closes whatever modal box or popup menu is open, answering it with Cancel, so that a close
// requested from outside is not held up by a question nobody will answer.
void dismissModalUi();
