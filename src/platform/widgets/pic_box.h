#pragma once

#include "platform/widgets/key_code.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class QMimeData;

// A picture box: a background colour and a retained image that survives being covered.
// Setting the background erases whatever was drawn.
class PicBox : public QWidget {
    Q_OBJECT
public:
    explicit PicBox(QWidget* parent = nullptr);

    void setBackColor(int32_t bgr);
    int32_t backColor() const { return backColor_; }
    // Erases the drawing to the background colour.
    void Cls();
    // Draws an image into the retained picture at the top-left corner, logicalSize square,
    // and repaints at once.
    void drawPersistent(const QImage& picture, int logicalSize);
    // The picture as painted, in device pixels.
    QImage image() const;

    // Mouse presses as button 1/2/4 and modifier mask 1 Shift, 2 Ctrl, 4 Alt; a double-click
    // is one press.
    MouseDownHandler onMouseDown;
    // Asked while something is dragged over: 1 to offer copy, 0 to refuse.
    std::function<int32_t(const QMimeData*)> onDragOver;
    std::function<void(const QMimeData*)> onDrop;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    // The box's size in device pixels, all of the background colour.
    QImage clearedImage() const;
    void resetImage();

    int32_t backColor_ = 0;
    QImage image_;
};
