#include "launcher/mosaro.h"

// Placeholder until slot clicks land.
void Mosaro::Pic_MouseDown(int16_t, int16_t, int16_t, float, float) {}
void Mosaro::Lab_MouseDown(int16_t, int16_t, int16_t, float, float) {}
