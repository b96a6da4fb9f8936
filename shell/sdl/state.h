// The SDL2 layer's state, shared by its files. The services it backs are
// declared in shell/win32.h; sdl_win32.cpp says what they do here.
#ifndef TESSALINE_SHELL_SDL_STATE_H
#define TESSALINE_SHELL_SDL_STATE_H

#include <SDL2/SDL.h>

#include <deque>
#include <map>
#include <string>

#include "shell/win32.h"

typedef struct _XDisplay Display;

namespace sdl_win32 {

struct WindowClass {
    HINSTANCE instance;
    WNDPROC procedure;
};

// A window exists as a record from CreateWindowExA on; its native SDL window
// is made when its pixel format is set, because an X11 window's visual is
// fixed when it is made.
struct Window {
    HWND handle = nullptr;
    HDC dc = nullptr;  // every window keeps one device context, as with CS_OWNDC
    WNDPROC procedure = nullptr;
    std::string classKey;
    std::string title;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0;  // client area, screen coordinates
    bool visible = false;
    SDL_Window* native = nullptr;
    int pixelFormat = 0;  // 0 until SetPixelFormat

    bool active = false;
    bool minimised = false;
    // What the window procedure was last told, so that a message goes out
    // only when something changed.
    bool toldActive = false;
    bool toldMinimised = false;
    int toldWidth = -1, toldHeight = -1;
};

struct Context {
    SDL_GLContext gl;
    int pixelFormat;
};

// Whether motion moves the virtual pointer on Wayland: only once a window
// has the focus and the user has clicked into it. Before that click a
// compositor may not hold the lock yet (weston grants it on a click) and
// reports each move twice, as absolute and as relative motion.
enum class PointerLock { kNone, kAsked, kHeld };

struct State {
    bool videoStarted = false;
    bool videoFailureReported = false;

    std::map<std::string, WindowClass> classes;  // by ClassKey
    ATOM lastAtom = 0xC000;
    std::map<HWND, Window> windows;
    std::map<HGLRC, Context> contexts;
    uintptr_t lastHandle = 0;

    std::deque<MSG> posted;
    bool quitPosted = false;
    int quitCode = 0;
    bool keyDown[256] = {};  // by the key messages removed: GetKeyState
    bool keyHeld[256] = {};  // by the key events seen: a key message's bit 30
    // Pressed, by a key-down removed, since the last SwapBuffers: the key's
    // release waits until an idle pass has seen it held.
    bool keyUnseen[256] = {};
    bool releasesMayGoUnheard = false;
    // Let go of by SDL with the window it was held in while the X server
    // still has it down: SDL may not tell of its release.
    bool releaseUnheard[256] = {};

    HDC currentDC = nullptr;
    HGLRC currentRC = nullptr;
    HWND focus = nullptr;

    bool fullscreenModeSet = false;
    SDL_DisplayMode fullscreenMode = {};

    int cursorCount = 0;  // Windows' display counter: shown while >= 0
    Display* pointerDisplay = nullptr;

    // On Wayland no client reads or moves the pointer: the cursor services
    // keep a virtual one, in screen coordinates (pointer_lock.cpp).
    bool wayland = false;
    POINT virtualPointer = {};
    PointerLock pointerLock = PointerLock::kNone;
};

extern State state;

// Starts SDL's video on first use; false (reported once on stderr) when
// there is no display to use.
bool StartVideo();

// A fresh handle value, never reused while the process runs.
template <typename Handle>
Handle NewHandle() {
    return reinterpret_cast<Handle>(++state.lastHandle);
}

// Class names compare without case, as on Windows.
std::string ClassKey(LPCSTR className);

Window* FindWindow(HWND hWnd);
Window* FindWindowOfDC(HDC hDC);
Window* FindWindowOfNative(Uint32 windowID);

// Delivers a message straight to a window's procedure, as Windows sends
// rather than posts; 0 for a window that does not exist (any more).
LRESULT SendToWindow(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Tells the procedure about activation and size changes it has not heard of.
void TellActivation(HWND hWnd);
void TellSize(HWND hWnd, WPARAM kind, int width, int height);

// Makes a window's native SDL window, in the GL attributes already set.
bool MakeNativeWindow(Window& window);

void ApplyCursorVisibility();

// The virtual pointer on Wayland: placed at a new window's centre, locked
// while a window has the focus, moved by the motion SDL reports once the
// user has clicked into the window.
void PlaceVirtualPointer(const Window& window);
void TakePointerLock();
void ReleasePointerLock();
void FollowPointer(const SDL_Event& event);

// From then on the Wayland compositor's going, or the X server's, ends the
// process (display_lost.cpp): DisplayLost says so on standard error and
// ends it with exit code 1.
void WatchDisplay(bool wayland);
[[noreturn]] void DisplayLost();

// Asks the X server whether a key is down now.
bool KeyIsDown(int virtualKey);

// Releases whatever the program left behind (windows, contexts, SDL).
void ReleaseWindowsAndContexts();
void ReleaseCursor();

}  // namespace sdl_win32

#endif  // TESSALINE_SHELL_SDL_STATE_H
