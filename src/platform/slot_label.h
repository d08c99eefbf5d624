#pragma once

#include <QLabel>

#include <cstdint>
#include <functional>

// A label that reports mouse presses as button 1/2/4 and modifier mask 1/2/4.
class SlotLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setBackColor(int32_t bgr);
    int32_t backColor() const { return backColor_; }

    std::function<void(int16_t button, int16_t shift, float x, float y)> onMouseDown;

protected:
    void mousePressEvent(QMouseEvent*) override;

private:
    int32_t backColor_ = 0;
};
