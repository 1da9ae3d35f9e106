// SPDX-License-Identifier: GPL-3.0-or-later
// Asks whether a window's program still handles its events, as a window
// manager does: sends the window _NET_WM_PING and waits for the program to
// send it back to the root window. Exits 0 on an answer, 1 when none came
// within the time given, 2 when the window is gone or takes no pings.
// Usage: wm_ping WINDOW_ID MILLISECONDS
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

bool TakesPings(Display* display, Window window, Atom ping)
{
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == ping;
    XFree(protocols);
    return found;
}

// The server's current time, read from a property change on a window of our
// own: the program takes the ping's time stamp as a real one.
Time ServerTime(Display* display, Window root)
{
    const Window own = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display, own, PropertyChangeMask);
    XChangeProperty(display, own, XA_WM_NAME, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(display, own, PropertyChangeMask, &event);
    XDestroyWindow(display, own);
    return event.xproperty.time;
}

bool IsAnswer(const XEvent& event, Atom protocols, Atom ping, Window window, Time stamp)
{
    const XClientMessageEvent& message = event.xclient;
    return event.type == ClientMessage && message.message_type == protocols && Atom(message.data.l[0]) == ping &&
           Time(message.data.l[1]) == stamp && Window(message.data.l[2]) == window;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: wm_ping WINDOW_ID MILLISECONDS\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const auto limit = std::chrono::milliseconds(std::atoi(argv[2]));
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    if (!TakesPings(display, window, ping))
        return 2;
    // Qt sends its answer to the root window for StructureNotify (and the
    // window manager's SubstructureRedirect) listeners.
    XSelectInput(display, root, StructureNotifyMask);
    const Time stamp = ServerTime(display, root);

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = protocols;
    request.xclient.format = 32;
    request.xclient.data.l[0] = long(ping);
    request.xclient.data.l[1] = long(stamp);
    request.xclient.data.l[2] = long(window);
    XSendEvent(display, window, False, NoEventMask, &request);
    XFlush(display);

    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (IsAnswer(event, protocols, ping, window, stamp))
                return 0;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, int(std::max<long long>(left.count(), 1)));
    }
    return 1;
}
