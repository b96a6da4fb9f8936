// A test's own connection to its X display: finding windows, real input
// through XTest, window-manager requests, and screenshots read back with
// XGetImage.
#ifndef TESSALINE_TESTS_E2E_SUPPORT_X_SESSION_H
#define TESSALINE_TESTS_E2E_SUPPORT_X_SESSION_H

#include <X11/Xlib.h>

#include <string>

#include "tests/e2e/frames/image.h"

struct Area {
    int x, y, width, height;  // in screen coordinates
};

class XSession {
public:
    explicit XSession(const std::string& display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool Connected() const { return display_ != nullptr; }
    Display* display() const { return display_; }

    // The first viewable window with this title, searched through the whole
    // tree (a window manager's frames included); None after the timeout.
    ::Window WaitForWindow(const std::string& title, double seconds);
    // True once no window of this title is viewable any more.
    bool WaitUntilGone(const std::string& title, double seconds);
    bool Exists(::Window window);
    Area ClientArea(::Window window);

    // Real input, as the X server's own devices would send it.
    void Focus(::Window window);
    void PressKey(const char* keyName, int holdMilliseconds = 30);
    void SetKey(const char* keyName, bool down);  // a press or a release alone
    void MovePointer(int x, int y);
    void Pointer(int* x, int* y);
    bool WaitForPointerAt(int x, int y, double seconds);

    // What a window manager does and asks for.
    void RequestClose(::Window window);  // a WM_DELETE_WINDOW message
    void Iconify(::Window window);
    void Activate(::Window window);  // _NET_ACTIVE_WINDOW: restore and focus
    bool IsShown(::Window window);

    Image Screenshot();

private:
    Display* display_;
};

#endif  // TESSALINE_TESTS_E2E_SUPPORT_X_SESSION_H
