#include "launcher/slot_keys.h"

#include "launcher/mosaro.h"
#include "platform/widgets/focus_mark.h"
#include "platform/widgets/key_code.h"
#include "platform/widgets/pic_box.h"
#include "platform/widgets/slot_label.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace {

constexpr int Columns = 5;
constexpr int Rows = SlotCount / Columns;

} // namespace

SlotKeys::SlotKeys(Mosaro& window, const ItemStore& store, Platform& platform,
                   const std::array<PicBox*, SlotCount>& pics,
                   const std::array<SlotLabel*, SlotCount>& labs)
    : QObject(&window), window_(window), store_(store), platform_(platform), pics_(pics),
      labs_(labs)
{
    auto* mark = new FocusMark(&window);
    for (int i = 0; i < SlotCount; ++i) {
        mark->follow(pics_[size_t(i)], pics_[size_t(i)]);
        mark->follow(labs_[size_t(i)], pics_[size_t(i)]);
        pics_[size_t(i)]->installEventFilter(this);
        labs_[size_t(i)]->installEventFilter(this);
    }
}

bool SlotKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    for (int i = 0; i < SlotCount; ++i) {
        if (watched == pics_[size_t(i)] || watched == labs_[size_t(i)])
            return slotKey(int16_t(i), static_cast<const QKeyEvent&>(*event));
    }
    return false;
}

bool SlotKeys::slotKey(int16_t index, const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key would start the item again and again.
        if (!key.isAutoRepeat())
            press(index, MouseButton::Left, shiftMask(held));
        return true;
    case Qt::Key_Menu:
        if (!key.isAutoRepeat())
            press(index, MouseButton::Right, shiftMask(held));
        return true;
    case Qt::Key_F10:
        // Shift belongs to the key itself here; only the modifiers besides it count.
        if (!(held & Qt::ShiftModifier))
            return false;
        if (!key.isAutoRepeat())
            press(index, MouseButton::Right, shiftMask(held & ~Qt::ShiftModifier));
        return true;
    case Qt::Key_Left: moveFocus(index, -1, 0); return true;
    case Qt::Key_Right: moveFocus(index, 1, 0); return true;
    case Qt::Key_Up: moveFocus(index, 0, -1); return true;
    case Qt::Key_Down: moveFocus(index, 0, 1); return true;
    case Qt::Key_PageUp:
        window_.VScroll1->triggerAction(QScrollBar::SliderSingleStepSub);
        return true;
    case Qt::Key_PageDown:
        window_.VScroll1->triggerAction(QScrollBar::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home: goToPage(window_.VScroll1->minimum()); return true;
    case Qt::Key_End: goToPage(window_.VScroll1->maximum()); return true;
    default: return false;
    }
}

void SlotKeys::press(int16_t index, int16_t button, int16_t shift)
{
    // Menus open at the slot, as they would under the pointer of a click on it.
    PicBox& pic = *pics_[size_t(index)];
    const QPoint centre = pic.rect().center();
    platform_.setMenuAnchor(pic.mapToGlobal(centre));
    window_.Pic_MouseDown(index, button, shift, float(centre.x()), float(centre.y()));
    platform_.setMenuAnchor(std::nullopt);
}

void SlotKeys::moveFocus(int16_t index, int columns, int rows)
{
    const int column = index % Columns + columns;
    const int row = index / Columns + rows;
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return;
    pics_[size_t(row * Columns + column)]->setFocus(Qt::OtherFocusReason);
}

void SlotKeys::goToPage(int page)
{
    // The scroll bar may already stand there while another page shows (after a page jump).
    if (window_.VScroll1->value() != page)
        window_.VScroll1->setValue(page);
    else if (store_.CurPage != page)
        window_.VScroll1_Change();
}
