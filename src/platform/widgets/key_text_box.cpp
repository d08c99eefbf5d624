#include "platform/widgets/key_text_box.h"

#include "platform/widgets/key_code.h"

#include <QKeyEvent>

void KeyTextBox::keyPressEvent(QKeyEvent* event)
{
    int16_t keyAscii = keyAsciiOf(*event);
    if (onKeyPress && keyAscii != 0) {
        onKeyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void KeyTextBox::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its press, but the key goes up only once.
    if (onKeyUp && !event->isAutoRepeat())
        onKeyUp(keyCodeOf(*event), shiftMask(event->modifiers()));
    QLineEdit::keyReleaseEvent(event);
}
