#pragma once

#include <QGuiApplication>
#include <QString>

#include <cstdint>

class QKeyEvent;

// The key code a form's KeyUp handler takes: 48 to 57 for the digit keys of the main keyboard,
// whatever Shift or the keyboard layout makes of them, 96 to 105 for the keypad's digits, 0 for
// every other key (no handler looks at them).
int16_t keyCodeOf(const QKeyEvent& event,
                  const QString& platformName = QGuiApplication::platformName());

// The character code a form's KeyPress handler takes: 13 for Enter, otherwise the first
// character the key typed (0 when it typed none).
int16_t keyAsciiOf(const QKeyEvent& event);
