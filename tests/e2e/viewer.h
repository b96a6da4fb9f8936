// The real viewer on an Xvfb display of its own, driven as a user would with
// xdotool (XTest) and seen through screenshots. However it is started, the
// same session drives it: the Linux build, on X11 (as built, or from the
// unpacked .deb) or as a Wayland client of weston (whose output is a window at
// the screen's corner), or the Windows build under Wine.
#ifndef TESSALINE_TESTS_E2E_VIEWER_H
#define TESSALINE_TESTS_E2E_VIEWER_H

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>

enum class Start { Linux, Deb, Wine, Wayland };

class Viewer {
public:
    // No screen: no display at all. The pointer starts on the point the
    // viewer pins it to, so its first pass turns nothing. A program other
    // than the Linux build's own may be given (a benchmark's). On Wayland the
    // screen is weston's output ("640x480"), and the boxes come through X.
    Viewer(Start start, const char* screen, const char* program = nullptr);
    ~Viewer();

    std::string Xdotool(const std::string& command) const;  // what it prints
    // Answers the box with this caption, Yes or No, from the keyboard; false
    // when no such box comes.
    bool Answer(const char* caption, bool yes);
    // A shown window with this title other than `old`; empty when none comes.
    std::string WaitForWindow(const std::string& title = "Tessaline - By Odrenko", const std::string& old = "");
    // Moves the pointer and waits until the viewer has pulled it back to
    // the point it pins it to (on Wayland, clicks into the window first and
    // waits for the turn); false when it does not come back.
    bool MovePointerAndWaitForItBack(int x, int y);
    // Holds the key down until the viewer's eye or view has moved, in as
    // many frames, and `framesAfter` frames more; false when it does not.
    bool HoldUntilTheViewMoves(const char* key, int times = 1, int framesAfter = 0);
    // Presses F1 and lets it go at once, each time once the window the one
    // before made has drawn; false when a press makes no window, or two.
    bool TapF1(int times);
    // The window's 640 x 480 client area once a few more frames are drawn,
    // the first not black and other than `unlike`; empty when none comes.
    // Of a window widened, the middle 640 x 480: the same frame, where it is
    // drawn at its new size in the right aspect.
    std::string Shot(const std::string& window, const std::string& unlike = "");
    void Widen(const std::string& window, int width);
    bool CursorShown() const;  // over the window under the pointer
    // Until the window manager says the window is in the state (Normal, Iconic); false when it never does.
    bool WaitForWmState(const std::string& window, const char* state);
    bool StartWindowManager(const std::string& window);  // openbox, once it has adopted the window
    // The loading of Mesa's GL driver is held from then on (call_counter.cpp),
    // for KillDisplay to kill the display while the window is being made.
    void HoldWindowCreation();
    void KillDisplay();  // the X server, or on Wayland the compositor
    // The exit code, or -1 while it still runs after `seconds`; once only.
    int Exit(double seconds);
    std::string Errors() const;
    // Kept by the counter preloaded into the Linux build (call_counter.cpp):
    // 0, frames; 1, swap intervals, summed; 2, views changed.
    long Count(int which) const;

    const Start start;
    Display* x = nullptr;

private:
    pid_t server = -1, windowManager = -1, compositor = -1, viewer = -1;
    std::string files, display;
    int held = -1, cropLeft = 0;
};

#endif  // TESSALINE_TESTS_E2E_VIEWER_H
