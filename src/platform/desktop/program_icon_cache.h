#pragma once

#include <QImage>
#include <QString>

// genericProgramIcon, kept from an earlier run in the user's cache folder: the theme's first
// lookup costs more than the rest of a start-up. The kept image is used only while the icon
// themes it came from are unchanged (the same names, folders and modification times).
QImage cachedGenericProgramIcon(int pixelSize);
