#pragma once

#include <QScrollBar>

// A horizontal scroll bar whose arrow keys move the thumb the way they point. Qt's scroll bars
// take Right as a step back; Down, Page Down and End already step forward.
class HScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit HScrollBar(QWidget* parent = nullptr) : QScrollBar(Qt::Horizontal, parent)
    {
        // The window system's own scroll bar menu is not the program's.
        setContextMenuPolicy(Qt::PreventContextMenu);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
