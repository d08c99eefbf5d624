#pragma once

#include "platform/platform.h"
#include "store/item_rec.h"

#include <cstdint>

// Starts a used item in its folder, which becomes the launcher's current folder and stays so.
// A folder that cannot be entered or a command line that cannot be started is told in a
// message box; then nothing is started.
void launchItem(const ItemRec& r, int16_t shift, Platform& platform);
