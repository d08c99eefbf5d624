#pragma once

#include "platform/platform.h"
#include "store/item_store.h"

#include <QObject>

#include <array>

class Mosaro;
class PicBox;
class SlotLabel;
class QKeyEvent;

// The keyboard on the slots. A focused slot (its picture or its title) takes the keys of a
// click and of the page scroll bar, and passes them to the same handlers the mouse reaches, so
// both behave alike; it also puts the focus mark on the focused slot.
class SlotKeys : public QObject {
public:
    SlotKeys(Mosaro& window, const ItemStore& store, Platform& platform,
             const std::array<PicBox*, SlotCount>& pics,
             const std::array<SlotLabel*, SlotCount>& labs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False for keys a slot leaves alone.
    bool slotKey(int16_t index, const QKeyEvent& key);
    void press(int16_t index, int16_t button, int16_t shift);
    void moveFocus(int16_t index, int columns, int rows);
    void goToPage(int page);

    Mosaro& window_;
    const ItemStore& store_;
    Platform& platform_;
    std::array<PicBox*, SlotCount> pics_;
    std::array<SlotLabel*, SlotCount> labs_;
};
