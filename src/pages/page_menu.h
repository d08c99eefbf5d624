#pragma once

#include "platform/platform.h"

#include <vector>

// The page menu, top to bottom, as the popup shows it.
const std::vector<MenuEntry>& mnuFrm();
