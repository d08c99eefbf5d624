#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

// Icon number `index` of a file, about pixelSize square; a null image when it gives none.
QImage extractIconImage(const QString& fileName, int32_t index, int pixelSize);

// The icon theme's generic program icon, or our own when the theme has none.
QImage genericProgramIcon(int pixelSize);
