#include "launcher/mosaro.h"

// Placeholder until slot commands land.
void Mosaro::mnuPopCut_Click() {}
void Mosaro::mnuPopCopy_Click() {}
void Mosaro::mnuPopPest_Click() {}
void Mosaro::mnuPopIns_Click() {}
void Mosaro::mnuPopDelMove_Click() {}
void Mosaro::mnuPopMove_Click() {}
void Mosaro::mnuPopDel_Click() {}
void Mosaro::mnuPopProp_Click() {}
