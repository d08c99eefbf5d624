#include "launcher/mosaro.h"

// Placeholder until file drop lands.
void Mosaro::Pic_OLEDragOver(int16_t, const QMimeData*, int32_t& Effect) { Effect = 0; }
void Mosaro::Pic_OLEDragDrop(int16_t, const QMimeData*) {}
