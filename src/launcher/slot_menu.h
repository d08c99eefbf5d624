#pragma once

#include "platform/platform.h"

#include <vector>

class Mosaro;

// The slot popup menu mnuPop, its entries enabled for the pressed slot and for whether the
// cut/copy buffer holds an item.
std::vector<MenuEntry> slotMenuEntries(bool slotUsed, bool clipUsed);

// Runs the slot command of the chosen entry; no choice (an empty name) runs nothing.
void runSlotMenuCommand(Mosaro& window, const QString& name);
