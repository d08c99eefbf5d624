#pragma once

#include <QGuiApplication>
#include <QString>

#include <cstdint>
#include <functional>

class QMouseEvent;

class QKeyEvent;

// The numbers the forms' handlers take for mouse buttons, modifier keys and keys.
namespace MouseButton {
constexpr int16_t Left = 1;
constexpr int16_t Right = 2;
constexpr int16_t Middle = 4;
}  // namespace MouseButton

// Bits of the Shift argument; 0 is no modifier.
namespace ShiftMask {
constexpr int16_t Shift = 1;
constexpr int16_t Ctrl = 2;
constexpr int16_t Alt = 4;
}  // namespace ShiftMask

namespace Key {
constexpr int16_t Enter = 13;    // KeyAscii of Enter
constexpr int16_t Digit0 = 48;   // KeyCode of the main keyboard's "0"; "9" is Digit9
constexpr int16_t Digit9 = 57;
constexpr int16_t Numpad0 = 96;  // KeyCode of the keypad's "0", up to 105 for its "9"
}  // namespace Key

// Qt's button and modifiers as the handlers take them; 0 for a button they do not know.
int16_t mouseButtonCode(Qt::MouseButton button);
int16_t shiftMask(Qt::KeyboardModifiers modifiers);

// A control's MouseDown event: button, shift, X and Y in the handlers' terms.
using MouseDownHandler = std::function<void(int16_t button, int16_t shift, float x, float y)>;
// Hands a Qt press to the handler, if there is one.
void raiseMouseDown(const MouseDownHandler& handler, const QMouseEvent& event);

// The key code a form's KeyUp handler takes: 48 to 57 for the digit keys of the main keyboard,
// whatever Shift or the keyboard layout makes of them, 96 to 105 for the keypad's digits, 0 for
// every other key (no handler looks at them).
int16_t keyCodeOf(const QKeyEvent& event,
                  const QString& platformName = QGuiApplication::platformName());

// The character code a form's KeyPress handler takes: 13 for Enter, otherwise the first
// character the key typed (0 when it typed none).
int16_t keyAsciiOf(const QKeyEvent& event);
