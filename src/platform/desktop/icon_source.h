#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

class DesktopEntryIndex;

// Icon number `index` of a file, about pixelSize square; a null image when it gives none.
// PE programs and libraries: an icon group by position, or by resource ID when negative.
// Index 0 only: .ico files, image files, desktop entries (their Icon) and native executables
// (the icon of the desktop entry in `programs` that starts them). Any other file: none.
QImage extractIconImage(const QString& fileName, int32_t index, int pixelSize,
                        const DesktopEntryIndex& programs);
// The same with the desktop entries of this process.
QImage extractIconImage(const QString& fileName, int32_t index, int pixelSize);

// The icon theme's generic program icon, or our own when the theme has none.
QImage genericProgramIcon(int pixelSize);
