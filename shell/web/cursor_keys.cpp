// Key state and the cursor. No page may read or move the system's pointer:
// the cursor calls work on a virtual one, moved by the pointer lock's
// relative motion (messages.cpp).
#include <emscripten.h>

#include "shell/web/state.h"

namespace web_win32 {
namespace {

EM_JS(void, SetCanvasCursor, (int shown), {
    var canvas = document.getElementById("canvas");
    if (canvas) canvas.style.cursor = shown ? "" : "none";
});

}  // namespace

void ApplyCursorVisibility() {
    if (state.window) SetCanvasCursor(state.cursorCount >= 0);
}

}  // namespace web_win32

using namespace web_win32;

SHORT WINAPI GetKeyState(int nVirtKey) {
    if (nVirtKey < 0 || nVirtKey > 255 || !state.keyDown[nVirtKey]) return 0;
    return static_cast<SHORT>(0xFF80);
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = state.pointer;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
    state.pointer = {X, Y};
    return TRUE;
}

int WINAPI ShowCursor(BOOL bShow) {
    state.cursorCount += bShow ? 1 : -1;
    ApplyCursorVisibility();
    return state.cursorCount;
}
