#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// The program's dialogs are fixed-size tool windows without an owner and without a task bar
// entry: a title bar with a close box, no minimise or maximise button, unloaded when closed.
void setUpDialogWindow(QWidget& dialog, const QString& caption, int widthTwips, int heightTwips);

// Shows the dialog tracked in `open`, loading a new one with `load` when none is open; an open
// one is only brought to the front, as it stands.
void showOnce(QPointer<QWidget>& open, const std::function<QWidget*()>& load);
