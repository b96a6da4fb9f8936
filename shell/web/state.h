// The browser layer's state, shared by its files. The services it backs are
// declared in shell/win32.h; web_win32.cpp says what they do here.
#ifndef TESSALINE_SHELL_WEB_STATE_H
#define TESSALINE_SHELL_WEB_STATE_H

#include <emscripten/html5.h>

#include "shell/win32.h"

namespace web_win32 {

// Posted messages wait here, oldest first; the browser's events post them.
const int kQueueLength = 256;

// Fingers followed at once; more are ignored.
const int kFingers = 10;

struct Finger {
    int id;
    int key;
    double x, y;  // where it was last seen, in CSS pixels
};

struct State {
    // One class and one window at a time: the page's one <canvas> is the
    // window's client area.
    char className[64] = "";
    HINSTANCE classInstance = nullptr;
    WNDPROC procedure = nullptr;
    HWND window = nullptr;  // also stands for its one device context
    int width = 0, height = 0;
    int pixelFormat = 0;  // 0 until SetPixelFormat

    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
    bool contextUsed = false;  // made current before: its GL objects exist
    bool contextCurrent = false;

    MSG queue[kQueueLength];
    int first = 0, count = 0;
    bool quitPosted = false;
    int quitCode = 0;
    bool keyDown[256] = {};  // by the key messages removed: GetKeyState
    bool keyHeld[256] = {};  // by the key events seen: a key message's bit 30
    // Pressed, by a key-down removed, since the last SwapBuffers: the key's
    // release waits until an idle pass has seen it held.
    bool keyUnseen[256] = {};

    int cursorCount = 0;  // Windows' display counter: shown while >= 0
    POINT pointer = {};   // the virtual pointer, in screen coordinates

    // Fingers down, by their pointer ids: each holds a control's key, or
    // (key 0) looks by moving the virtual pointer.
    Finger fingers[kFingers];
    int fingerCount = 0;
    // A drag's part of a canvas pixel not yet given to the pointer.
    double dragX = 0, dragY = 0;
    bool hidden = false;  // the tab is not shown: the window counts as minimised
    bool focused = false;
};

extern State state;

// Handles: the window, its device context and its rendering context are
// these addresses while they exist.
extern char windowHandle, dcHandle, contextHandle;

// Posts a message to the back of the queue; dropped when the queue is full.
void Post(UINT message, WPARAM wParam, LPARAM lParam);
// Posts a key's press or release, as a keyboard's would come.
void PostKey(int code, bool down);

// The browser's events on the canvas, listened to while the window exists;
// the page's visibility from start-up on.
void ListenToCanvas(bool listen);
void ListenToPage();
// Fingers on the page's frame for the window: on the view and its controls.
void ListenToFingers();

void ApplyCursorVisibility();

}  // namespace web_win32

#endif  // TESSALINE_SHELL_WEB_STATE_H
