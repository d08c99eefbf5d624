#pragma once

#include <QImage>
#include <QString>

// An X server of our own for the real program: Xvfb on a display it picks itself.
class XServer {
public:
    XServer();
    ~XServer();
    bool running() const { return pid_ > 0 && !display_.isEmpty(); }
    const QString& display() const { return display_; }
    // Kills the server at once, as when the display goes away under its clients.
    void kill();

private:
    int pid_ = -1;
    QString display_;
};

// Asks a window to close the way a window manager's close button does (WM_DELETE_WINDOW).
bool requestWindowClose(const QString& display, const QString& windowId);

// What a window shows on the server now, as an image; null when it cannot be read.
QImage captureWindow(const QString& display, const QString& windowId);
