#pragma once

#include "platform/widgets/key_code.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

// The title under a slot's icon: centred, wrapped within the label, on the slot's colour. Drawn
// by hand rather than with QLabel's rich-text machinery, so a page of titles stays cheap to
// show and a start-up with no visible titles loads no fonts at all.
class SlotLabel : public QWidget {
    Q_OBJECT
public:
    explicit SlotLabel(const QString& text, QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    void setBackColor(int32_t bgr);
    int32_t backColor() const { return backColor_; }

    // Mouse presses as button 1/2/4 and modifier mask 1 Shift, 2 Ctrl, 4 Alt; a double-click
    // is one press.
    MouseDownHandler onMouseDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    QString text_;
    int32_t backColor_ = 0;
};
