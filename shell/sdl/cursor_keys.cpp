// The cursor and the key state.
//
// On X11 the pointer is read and moved through an X connection of the
// layer's own: SDL's global mouse state can be a cached value that synthetic
// pointer motion (XTest) never refreshes, and the program pins the cursor by
// reading it on every pass. The same connection tells which keys are down.
// On Wayland the pointer is a virtual one (pointer_lock.cpp), and no X
// connection is opened: an X server there (XWayland) knows only its own
// clients' pointer and keys.
#include <X11/Xlib.h>

#include "shell/sdl/key_codes.h"
#include "shell/sdl/state.h"

namespace sdl_win32 {
namespace {

Display* PointerDisplay() {
    if (state.wayland) return nullptr;
    if (!state.pointerDisplay) state.pointerDisplay = XOpenDisplay(nullptr);
    return state.pointerDisplay;
}

}  // namespace

void ApplyCursorVisibility() {
    if (state.videoStarted) SDL_ShowCursor(state.cursorCount >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

bool KeyIsDown(int virtualKey) {
    Display* display = PointerDisplay();
    if (!display) return false;
    char keymap[32];
    XQueryKeymap(display, keymap);
    unsigned long keySyms[3];
    KeySymsOf(virtualKey, keySyms);
    for (int i = 0; keySyms[i]; ++i) {
        KeyCode code = XKeysymToKeycode(display, keySyms[i]);
        if (code && (keymap[code / 8] & (1 << (code % 8)))) return true;
    }
    return false;
}

void ReleaseCursor() {
    if (state.pointerDisplay) XCloseDisplay(state.pointerDisplay);
    state.pointerDisplay = nullptr;
}

}  // namespace sdl_win32

using namespace sdl_win32;

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (lpPoint && state.wayland) {
        *lpPoint = state.virtualPointer;
        return TRUE;
    }
    Display* display = PointerDisplay();
    if (!lpPoint || !display) return FALSE;
    ::Window root, child;
    int rootX, rootY, windowX, windowY;
    unsigned int buttons;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &windowX, &windowY,
                  &buttons);
    lpPoint->x = rootX;
    lpPoint->y = rootY;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
    if (state.wayland) {
        state.virtualPointer = POINT{X, Y};
        return TRUE;
    }
    Display* display = PointerDisplay();
    if (!display) return FALSE;
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, X, Y);
    // Windows' cursor is there when the call returns, for every program.
    XSync(display, False);
    return TRUE;
}

int WINAPI ShowCursor(BOOL bShow) {
    state.cursorCount += bShow ? 1 : -1;
    ApplyCursorVisibility();
    return state.cursorCount;
}

SHORT WINAPI GetKeyState(int nVirtKey) {
    bool down = nVirtKey >= 0 && nVirtKey < 256 && state.keyDown[nVirtKey];
    return down ? static_cast<SHORT>(0xFF80) : 0;
}
