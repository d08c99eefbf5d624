#include "platform/widgets/key_code.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// On X11 and Wayland the scan code is the xkb key code (evdev + 8): the main keyboard's digit
// row is 10 ("1") to 18 ("9") and 19 ("0") on every layout.
int physicalDigit(const QKeyEvent& event, const QString& platformName)
{
    if (platformName != QLatin1String("xcb") && platformName != QLatin1String("wayland"))
        return -1;
    const quint32 code = event.nativeScanCode();
    if (code < 10 || code > 19)
        return -1;
    return code == 19 ? 0 : int(code) - 9;
}

int digitOfKey(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}

} // namespace

int16_t keyCodeOf(const QKeyEvent& event, const QString& platformName)
{
    if (event.modifiers() & Qt::KeypadModifier) {
        const int digit = digitOfKey(event.key());
        return digit < 0 ? 0 : int16_t(Key::Numpad0 + digit);
    }
    int digit = physicalDigit(event, platformName);
    if (digit < 0)
        digit = digitOfKey(event.key());
    return digit < 0 ? 0 : int16_t(Key::Digit0 + digit);
}

int16_t keyAsciiOf(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return Key::Enter;
    const QString text = event.text();
    return text.isEmpty() ? 0 : int16_t(text.at(0).unicode());
}

int16_t mouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return 0;
    }
}

int16_t shiftMask(Qt::KeyboardModifiers modifiers)
{
    int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftMask::Shift;
    if (modifiers & Qt::ControlModifier)
        mask |= ShiftMask::Ctrl;
    if (modifiers & Qt::AltModifier)
        mask |= ShiftMask::Alt;
    return mask;
}

void raiseMouseDown(const MouseDownHandler& handler, const QMouseEvent& event)
{
    if (handler)
        handler(mouseButtonCode(event.button()), shiftMask(event.modifiers()),
                float(event.position().x()), float(event.position().y()));
}
