#pragma once

#include <QImage>

// Icons drawn by the program itself, so it never depends on a theme being installed.
QImage builtinProgramIcon(int pixelSize);  // a generic program: a window with a title bar
QImage mosaroWindowIcon(int pixelSize);    // the launcher: a grid of tiles
