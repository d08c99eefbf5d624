#pragma once

#include <QHash>
#include <QWidget>

// The mark around the control that holds the keyboard focus: a black and a white ring, so one
// of them stands out on any background. One mark serves many areas; it lies over the area whose
// focus holder has the focus and hides when none has. It takes no mouse, drops or focus.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    explicit FocusMark(QWidget* parent);

    // Marks `area` (a child of the mark's parent) while `holder` has the focus.
    void follow(QWidget* holder, QWidget* area);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void focusMoved(QWidget* now);

    QHash<QWidget*, QWidget*> areas_; // focus holder -> area it marks
};
