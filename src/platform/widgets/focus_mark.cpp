#include "platform/widgets/focus_mark.h"

#include <QApplication>
#include <QPainter>

FocusMark::FocusMark(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void FocusMark::follow(QWidget* holder, QWidget* area)
{
    areas_.insert(holder, area);
}

void FocusMark::focusMoved(QWidget* now)
{
    QWidget* area = areas_.value(now);
    if (!area) {
        hide();
        return;
    }
    setGeometry(area->geometry());
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    // Whole logical pixels and no antialiasing, so the rings stay crisp at any scale.
    QPainter p(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    const auto ring = [&p](const QRect& r, int width, const QColor& color) {
        p.fillRect(r.x(), r.y(), r.width(), width, color);
        p.fillRect(r.x(), r.bottom() - width + 1, r.width(), width, color);
        p.fillRect(r.x(), r.y(), width, r.height(), color);
        p.fillRect(r.right() - width + 1, r.y(), width, r.height(), color);
    };
    ring(outer, 2, Qt::black);
    ring(inner, 2, Qt::white);
}
