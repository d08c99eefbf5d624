#pragma once

#include "store/item_rec.h"

#include <QString>

#include <cstdint>

// The command line that starts an item. Any modifier key (shift mask not 0) leaves the
// parameters out. The fields are joined with single blanks and nothing else: no quotes.
QString buildCommandLine(const ItemRec& r, int16_t shift);
