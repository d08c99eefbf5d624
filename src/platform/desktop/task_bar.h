#pragma once

class QWidget;

// Asks the window manager to leave a top-level window out of the task bar. Call before the
// window is first shown; does nothing where the windows are not X11 ones.
void keepOutOfTaskBar(QWidget& window);
