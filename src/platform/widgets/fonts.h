#pragma once

#include <QFont>

// The font the forms are written in (a Japanese proportional Gothic), at pointSize.
QFont formFont(qreal pointSize);

// Japanese families that stand in for the forms' font on Linux.
void installFontSubstitutes();
