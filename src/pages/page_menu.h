#pragma once

#include "platform/platform.h"

#include <vector>

class Mosaro;

// The page popup menu mnuFrm, top to bottom, every entry enabled.
std::vector<MenuEntry> mnuFrm();

// Runs the page command of the chosen entry; no choice (an empty name) runs nothing.
void runPageMenuCommand(Mosaro& window, const QString& name);
