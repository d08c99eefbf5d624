#include "platform/widgets/pic_box.h"

#include "platform/widgets/bgr_color.h"
#include "platform/widgets/key_code.h"

#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

PicBox::PicBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PicBox::setBackColor(int32_t bgr)
{
    backColor_ = bgr;
    Cls();
}

void PicBox::Cls()
{
    // A cleared box is painted from its colour; the picture is made when something is drawn.
    image_ = QImage();
    update();
}

QImage PicBox::image() const
{
    return image_.isNull() ? clearedImage() : image_;
}

QImage PicBox::clearedImage() const
{
    const qreal dpr = devicePixelRatioF();
    QImage cleared(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    cleared.setDevicePixelRatio(dpr);
    cleared.fill(fromBgr(backColor_));
    return cleared;
}

void PicBox::resetImage()
{
    image_ = clearedImage();
}

void PicBox::drawPersistent(const QImage& picture, int logicalSize)
{
    if (image_.isNull() || !qFuzzyCompare(image_.devicePixelRatio(), devicePixelRatioF()))
        resetImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, 0, logicalSize, logicalSize), picture);
    p.end();
    repaint();
}

void PicBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (image_.isNull())
        p.fillRect(rect(), fromBgr(backColor_));
    else
        p.drawImage(QPoint(0, 0), image_);
}

void PicBox::resizeEvent(QResizeEvent*)
{
    // The first show delivers a resize too; what was drawn before it must stay.
    if (image_.isNull())
        return;
    const QImage kept = image_;
    resetImage();
    QPainter p(&image_);
    p.drawImage(QPoint(0, 0), kept);
}

void PicBox::mousePressEvent(QMouseEvent* e)
{
    raiseMouseDown(onMouseDown, *e);
}

void PicBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click is not a press of its own; Qt's default would
    // deliver it as one and so start an item twice.
    e->accept();
}

void PicBox::dragEnterEvent(QDragEnterEvent* e)
{
    dragMoveEvent(e);
}

void PicBox::dragMoveEvent(QDragMoveEvent* e)
{
    if (onDragOver && onDragOver(e->mimeData()) == 1) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->ignore();
    }
}

void PicBox::dropEvent(QDropEvent* e)
{
    if (onDrop) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
        onDrop(e->mimeData());
    }
}
