#include "platform/widgets/slot_label.h"

#include "platform/widgets/bgr_color.h"
#include "platform/widgets/key_code.h"

#include <QMouseEvent>
#include <QPainter>

SlotLabel::SlotLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SlotLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void SlotLabel::setBackColor(int32_t bgr)
{
    backColor_ = bgr;
    update();
}

void SlotLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fromBgr(backColor_));
    if (text_.isEmpty())
        return;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText));
    p.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text_);
}

void SlotLabel::mousePressEvent(QMouseEvent* e)
{
    raiseMouseDown(onMouseDown, *e);
}

void SlotLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click is not a press of its own; Qt's default would
    // deliver it as one and so start an item twice.
    e->accept();
}
