#pragma once

#include <QString>

// The folder of the running executable, found without a Qt application object.
QString runningProgramFolder();

// Where Mosaro.dat lives: beside the program when the user may write that folder (a copy in a
// user folder keeps its data with it), else in the user's XDG data folder (an installed copy's
// folder is read-only). Decided once at start.
QString chooseDataFolder(const QString& programFolder);

// $XDG_DATA_HOME/mosaro, or ~/.local/share/mosaro when that is unset or not absolute.
QString userDataFolder();
