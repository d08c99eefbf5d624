#include "support/x_server.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

XServer::XServer()
{
    int fds[2];
    if (::pipe(fds) != 0)
        return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(fds[0]);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    // Xvfb writes the display number once it accepts clients.
    pollfd p{fds[0], POLLIN, 0};
    QByteArray number;
    while (::poll(&p, 1, 10000) > 0) {
        char buffer[16];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, int(n));
        if (number.endsWith('\n'))
            break;
    }
    ::close(fds[0]);
    if (!number.trimmed().isEmpty())
        display_ = ":" + QString::fromLatin1(number.trimmed());
}

XServer::~XServer()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

void XServer::kill()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

}  // namespace

bool requestWindowClose(const QString& display, const QString& windowId)
{
    xcb_connection_t* connection = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(windowId.toULong());
    message.type = internAtom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = internAtom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    xcb_disconnect(connection);
    return true;
}

QImage captureWindow(const QString& display, const QString& windowId)
{
    xcb_connection_t* connection = xcb_connect(display.toLatin1().constData(), nullptr);
    QImage image;
    const auto window = xcb_window_t(windowId.toULong());
    xcb_get_geometry_reply_t* geometry =
        xcb_connection_has_error(connection)
            ? nullptr
            : xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (geometry && geometry->depth == 24) {
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width,
                          geometry->height, ~0u),
            nullptr);
        // Depth 24 comes as 32-bit pixels, blue first: the layout of QImage::Format_RGB32.
        if (reply && xcb_get_image_data_length(reply) == 4 * geometry->width * geometry->height)
            image = QImage(xcb_get_image_data(reply), geometry->width, geometry->height,
                           QImage::Format_RGB32)
                        .copy();
        free(reply);
    }
    free(geometry);
    xcb_disconnect(connection);
    return image;
}
