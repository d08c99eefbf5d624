#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

// A text box that reports its keys the way the forms' handlers take them: KeyPress with the
// character code (set it to 0 to swallow the key) and KeyUp with the key code and the modifier
// mask 1 Shift, 2 Ctrl, 4 Alt.
class KeyTextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    std::function<void(int16_t& keyAscii)> onKeyPress;
    std::function<void(int16_t keyCode, int16_t shift)> onKeyUp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
