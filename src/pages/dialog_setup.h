#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;

// The page dialogs are fixed-size tool windows without an owner and without a task bar entry:
// a title bar with a close box, no minimise or maximise button, unloaded when closed.
void setUpDialogWindow(QWidget& dialog, const QString& caption, int widthTwips, int heightTwips);

struct LabelLook {
    double pointSize;
    std::optional<int32_t> colorBgr; // the text colour; none keeps the default
};

// A label in the dialogs' font; position and size in twips.
QLabel* addLabel(QWidget& dialog, const char* name, const QString& text, const LabelLook& look,
                 int left, int top, int width, int height);

// A button that Enter and Escape in other controls never press; position and size in twips.
QPushButton* addButton(QWidget& dialog, const char* name, const QString& text, int left, int top,
                       int width, int height);

class Mosaro;

// Shows the dialog tracked in `slot`, loading it afresh if it is not open; an open one is only
// brought to the front.
template <typename Dialog>
void showOnce(QPointer<QWidget>& slot, Mosaro& main)
{
    if (slot && slot->isVisible()) {
        slot->raise();
        slot->activateWindow();
        return;
    }
    delete slot.data(); // closed, its deferred deletion still pending
    slot = new Dialog(main);
    slot->show();
}
