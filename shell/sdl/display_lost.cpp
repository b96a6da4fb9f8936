// A display that goes away, at any moment, ends the program with exit code 1
// and one line on standard error, never by a signal and never by hanging,
// whichever library meets the loss first:
// - a write to a connection the server has closed fails as an error, where
//   SIGPIPE would end the process;
// - Xlib calls its I/O error handler, this file's;
// - SDL's Wayland driver posts its quit event (messages.cpp);
// - but a library may meet it in a way of its own. Mesa's GLX also talks to
//   the X server through XCB and does not check every reply: once its driver
//   has loaded, it reads whether the server has MIT-SHM from the null reply
//   of a closed connection, and faults. On Wayland libdecor's plugin, as SDL
//   makes the first window, dispatches a closed connection for ever, and
//   faults as SDL gives it up when its start-up fails part way. No check
//   before SDL hands a library the connection helps, as the server may go
//   while that library works. So the layer keeps a quiet connection of its
//   own to the server, from before SDL's video starts, and a thread that
//   waits for the server to close it: that ends the process, whatever the
//   program's thread is doing. A fault may come first, the server closing
//   the connection it came through just before the layer's: a fault while
//   the layer's closes within a second is taken for the loss it is; any
//   other is left to whatever handled faults before.
//
// The watch is the process's: ShutdownSdlWin32 leaves it, as the server's
// going still ends the process, so it lives outside the layer's state,
// which that resets.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "shell/sdl/state.h"

namespace sdl_win32 {
namespace {

struct Watch {
    char message[160];
    int messageLength = 0;
    struct sigaction faultBefore;
    // The layer's quiet connections, to the X server and to the Wayland
    // compositor, and their sockets (-1: none).
    void* connected[2] = {};
    int sockets[2] = {-1, -1};
} watch;

int OnIoError(Display*) { DisplayLost(); }

// The server has closed them, within the time given in milliseconds (-1:
// waiting for ever).
bool ServerClosed(const int* sockets, int count, int milliseconds) {
    pollfd connections[2];
    for (int i = 0; i < count; ++i) connections[i] = {sockets[i], POLLRDHUP, 0};
    int ready;
    while ((ready = poll(connections, count, milliseconds)) < 0 && errno == EINTR) {
    }
    for (int i = 0; i < count && ready > 0; ++i)
        if (connections[i].revents & (POLLRDHUP | POLLHUP | POLLERR)) return true;
    return false;
}

void OnFault(int) {
    if (ServerClosed(watch.sockets, 2, 1000)) DisplayLost();
    // The faulting instruction runs again, into the handler from before.
    sigaction(SIGSEGV, &watch.faultBefore, nullptr);
}

}  // namespace

void DisplayLost() {
    // Only what a signal handler may call; and no exit handler runs, as one
    // might use what is left of the connection. With standard error gone
    // too, there is no one left to tell.
    const ssize_t told = write(STDERR_FILENO, watch.message, watch.messageLength);
    (void)told;
    _exit(1);
}

void WatchDisplay(bool wayland) {
    void*& connected = watch.connected[wayland];
    int& socket = watch.sockets[wayland];
    // WAYLAND_SOCKET is one connection, for SDL.
    if (connected || (wayland && std::getenv("WAYLAND_SOCKET"))) return;
    if (wayland) {
        wl_display* display = wl_display_connect(nullptr);
        if (display) socket = wl_display_get_fd(display);
        connected = display;
    } else {
        Display* display = XOpenDisplay(nullptr);
        if (display) socket = ConnectionNumber(display);
        connected = display;
    }
    // No server there: SDL finds none either, and says so.
    if (!connected) return;
    std::thread([socket] {
        if (ServerClosed(&socket, 1, -1)) DisplayLost();
    }).detach();
}

}  // namespace sdl_win32

using namespace sdl_win32;

void EndOnLostDisplay() {
    watch.messageLength = std::snprintf(watch.message, sizeof watch.message,
                                        "%s: the connection to the display was lost\n", program_invocation_short_name);
    signal(SIGPIPE, SIG_IGN);
    XSetIOErrorHandler(OnIoError);
    struct sigaction onFault = {};
    onFault.sa_handler = OnFault;
    sigaction(SIGSEGV, &onFault, &watch.faultBefore);
}
