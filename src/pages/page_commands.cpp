#include "launcher/mosaro.h"

// Placeholder until page commands land.
void Mosaro::Form_MouseDown(int16_t, int16_t, float, float) {}
void Mosaro::openPageMenu() {}
void Mosaro::mnuFrmIns_Click() {}
void Mosaro::mnuFrmJamp_Click() {}
void Mosaro::mnuFrmMake_Click() {}
void Mosaro::mnuFrmDel_Click() {}
