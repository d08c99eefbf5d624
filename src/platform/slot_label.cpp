#include "platform/slot_label.h"

#include "platform/bgr_color.h"
#include "platform/pic_box.h"

#include <QMouseEvent>

void SlotLabel::setBackColor(int32_t bgr)
{
    backColor_ = bgr;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, fromBgr(bgr));
    setPalette(pal);
    setAutoFillBackground(true);
}

void SlotLabel::mousePressEvent(QMouseEvent* e)
{
    if (onMouseDown)
        onMouseDown(mouseButtonCode(e->button()), shiftMask(e->modifiers()),
                    float(e->position().x()), float(e->position().y()));
}
