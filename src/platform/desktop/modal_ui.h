#pragma once

#include "platform/platform.h"

#include <QPoint>
#include <QString>

#include <vector>

// A message box with the buttons and icon of `style`; the answer of the button pressed, or of
// the last button when the box is closed otherwise.
int showMessageBox(const QString& text, int style, const QString& title);

// A one-line input box; the typed text, empty on Cancel.
QString askForText(const QString& prompt, const QString& title);

// A popup menu at `at` (screen coordinates); the chosen entry's name, empty when none is chosen.
QString showPopupMenu(const std::vector<MenuEntry>& entries, const QPoint& at);
