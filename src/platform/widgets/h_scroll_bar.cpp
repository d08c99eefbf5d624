#include "platform/widgets/h_scroll_bar.h"

#include <QKeyEvent>

void HScrollBar::keyPressEvent(QKeyEvent* event)
{
    const bool forward = event->key() == Qt::Key_Right;
    if (!forward && event->key() != Qt::Key_Left) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    triggerAction(forward != rightToLeft ? SliderSingleStepAdd : SliderSingleStepSub);
    event->accept();
}
