#include "tests/e2e/support/x_session.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point Deadline(double seconds) {
    return Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
}

void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

// A window's title, byte for byte: SDL stores it in an encoding of its own
// naming, which XFetchName refuses and no converter knows.
std::string TitleOf(Display* display, ::Window window) {
    XTextProperty property = {};
    if (!XGetWMName(display, window, &property) || !property.value) return "";
    std::string title(reinterpret_cast<char*>(property.value), property.format == 8 ? property.nitems : 0);
    XFree(property.value);
    return title;
}

::Window Find(Display* display, ::Window window, const std::string& title) {
    XWindowAttributes attributes;
    if (TitleOf(display, window) == title && XGetWindowAttributes(display, window, &attributes) &&
        attributes.map_state == IsViewable)
        return window;
    ::Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return None;
    ::Window found = None;
    for (unsigned int i = 0; i < count && found == None; ++i) found = Find(display, children[i], title);
    if (children) XFree(children);
    return found;
}

// A window may go away between finding and asking: such errors are no fault.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

void SendToRoot(Display* display, ::Window window, const char* type, long data0, long data1) {
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = data0;
    event.xclient.data.l[1] = data1;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XSync(display, False);
}

int Channel(unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        pixel >>= 1;
        ++shift;
    }
    return mask ? static_cast<int>((pixel & mask) * 255 / mask) : 0;
}

}  // namespace

XSession::XSession(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    XSetErrorHandler(IgnoreErrors);
}

XSession::~XSession() {
    if (display_) XCloseDisplay(display_);
}

::Window XSession::WaitForWindow(const std::string& title, double seconds) {
    auto deadline = Deadline(seconds);
    while (Clock::now() < deadline) {
        ::Window window = Find(display_, DefaultRootWindow(display_), title);
        if (window != None) return window;
        Pause();
    }
    return None;
}

bool XSession::WaitUntilGone(const std::string& title, double seconds) {
    auto deadline = Deadline(seconds);
    while (Clock::now() < deadline) {
        if (Find(display_, DefaultRootWindow(display_), title) == None) return true;
        Pause();
    }
    return false;
}

bool XSession::Exists(::Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) != 0;
}

Area XSession::ClientArea(::Window window) {
    XWindowAttributes attributes = {};
    XGetWindowAttributes(display_, window, &attributes);
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return Area{x, y, attributes.width, attributes.height};
}

void XSession::Focus(::Window window) {
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
}

void XSession::PressKey(const char* keyName, int holdMilliseconds) {
    SetKey(keyName, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(holdMilliseconds));
    SetKey(keyName, false);
}

void XSession::SetKey(const char* keyName, bool down) {
    KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keyName));
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XSync(display_, False);
}

void XSession::MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void XSession::Pointer(int* x, int* y) {
    ::Window root, child;
    int windowX, windowY;
    unsigned int buttons;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, x, y, &windowX, &windowY, &buttons);
}

bool XSession::WaitForPointerAt(int x, int y, double seconds) {
    auto deadline = Deadline(seconds);
    while (Clock::now() < deadline) {
        int nowX, nowY;
        Pointer(&nowX, &nowY);
        if (nowX == x && nowY == y) return true;
        Pause();
    }
    return false;
}

void XSession::RequestClose(::Window window) {
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}

void XSession::Iconify(::Window window) {
    XIconifyWindow(display_, window, DefaultScreen(display_));
    XSync(display_, False);
}

void XSession::Activate(::Window window) {
    const long fromPager = 2;  // the request of a task bar or pager, which window managers honour
    SendToRoot(display_, window, "_NET_ACTIVE_WINDOW", fromPager, CurrentTime);
}

bool XSession::IsShown(::Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

Image XSession::Screenshot() {
    ::Window root = DefaultRootWindow(display_);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, root, &attributes);
    Image image;
    XImage* shot = XGetImage(display_, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!shot) return image;
    image.width = attributes.width;
    image.height = attributes.height;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            unsigned long pixel = XGetPixel(shot, x, y);
            image.Set(x, y, Rgb{Channel(pixel, shot->red_mask), Channel(pixel, shot->green_mask),
                                Channel(pixel, shot->blue_mask)});
        }
    XDestroyImage(shot);
    return image;
}
