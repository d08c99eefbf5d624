#pragma once

#include <QString>

// The title of the message boxes that speak for the program as a whole.
inline const QString AppTitle = QStringLiteral("Mosaro");
