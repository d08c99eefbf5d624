#pragma once

#include <QString>

#include <cstdint>

class PicBox;
class Platform;

// Draws icon iconNo of fileName at the top-left corner of target, 32 x 32, into its retained
// picture; the generic program icon when the file gives none. Neither clears the target nor
// sets its background.
void DrawItemIcon(PicBox& target, const int32_t& iconNo, const QString& fileName,
                  Platform& platform);
