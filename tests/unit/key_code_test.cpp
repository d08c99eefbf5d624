#include "platform/widgets/key_code.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

QKeyEvent keyUp(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode, const QString& text)
{
    return QKeyEvent(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, text);
}

TEST(KeyCode, MainKeyboardDigitsByTheirPhysicalKeyOnX11)
{
    // Shift+1 types "!" on most layouts; the key is still the digit 1.
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_Exclam, Qt::ShiftModifier, 10, "!"), "xcb"), 49);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_9, Qt::NoModifier, 18, "9"), "xcb"), 57);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_0, Qt::NoModifier, 19, "0"), "xcb"), 48);
    // A layout whose digit row types symbols unshifted (AZERTY "&" on the 1 key).
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_Ampersand, Qt::NoModifier, 10, "&"), "wayland"), 49);
    // The keypad's digits are other keys, with or without Num Lock.
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_1, Qt::KeypadModifier, 87, "1"), "xcb"), 97);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_End, Qt::KeypadModifier, 87, ""), "xcb"), 0);
    // Neighbours of the digit row.
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_Escape, Qt::NoModifier, 9, ""), "xcb"), 0);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_Minus, Qt::NoModifier, 20, "-"), "xcb"), 0);
}

TEST(KeyCode, WithoutScanCodesTheQtKeyDecides)
{
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_5, Qt::ShiftModifier, 0, "5"), "offscreen"), 53);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_Exclam, Qt::ShiftModifier, 10, "!"), "offscreen"), 0);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_5, Qt::KeypadModifier, 0, "5"), "offscreen"), 101);
    EXPECT_EQ(keyCodeOf(keyUp(Qt::Key_A, Qt::NoModifier, 0, "a"), "offscreen"), 0);
}

TEST(KeyCode, KeyAsciiIsThirteenForBothEnterKeys)
{
    const QKeyEvent ret(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, "");
    const QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    const QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, "");
    EXPECT_EQ(keyAsciiOf(ret), 13);
    EXPECT_EQ(keyAsciiOf(enter), 13);
    EXPECT_EQ(keyAsciiOf(a), 'a');
    EXPECT_EQ(keyAsciiOf(shift), 0);
}

} // namespace
