// The message queue, fed by the browser's events: they are taken in while
// the browser has its turn (inside SwapBuffers and MessageBoxA), and come out
// one at a time through PeekMessageA.
#include "shell/web/state.h"

namespace web_win32 {

void Post(UINT message, WPARAM wParam, LPARAM lParam) {
    if (state.count == kQueueLength) return;
    MSG& msg = state.queue[(state.first + state.count++) % kQueueLength];
    msg = {};
    msg.hwnd = state.window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
}

void PostKey(int code, bool down) {
    // Bit 30: the key was already down; key-ups carry it and bit 31 too.
    LPARAM lParam = 1;
    if (state.keyHeld[code]) lParam |= 1 << 30;
    if (!down) lParam |= static_cast<LPARAM>(0xC0000000u);
    state.keyHeld[code] = down;
    Post(down ? WM_KEYDOWN : WM_KEYUP, code, lParam);
}

namespace {

// The browser's keyCode is the Windows virtual-key code for every key the
// layer passes on.
bool Passed(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || (code >= VK_LEFT && code <= VK_DOWN) ||
           (code >= VK_F1 && code <= VK_F12) || (code >= VK_SHIFT && code <= VK_MENU) || code == VK_ESCAPE ||
           code == VK_RETURN || code == VK_SPACE;
}

// The keys whose browser default (scrolling, help) would take them from the viewer.
bool KeptFromBrowser(int code) { return (code >= VK_LEFT && code <= VK_DOWN) || code == VK_SPACE || code == VK_F1; }

EM_BOOL OnKey(int eventType, const EmscriptenKeyboardEvent* event, void*) {
    const int code = static_cast<int>(event->keyCode);
    if (!Passed(code)) return EM_FALSE;
    PostKey(code, eventType == EMSCRIPTEN_EVENT_KEYDOWN);
    return KeptFromBrowser(code);
}

void TellActivation() {
    const WPARAM minimised = state.hidden ? 1 : 0;
    Post(WM_ACTIVATE, MAKELONG(state.focused && !state.hidden ? WA_ACTIVE : WA_INACTIVE, minimised), 0);
}

EM_BOOL OnFocus(int eventType, const EmscriptenFocusEvent*, void*) {
    state.focused = eventType == EMSCRIPTEN_EVENT_FOCUS;
    TellActivation();
    return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    state.hidden = event->hidden;
    if (state.window) TellActivation();
    return EM_FALSE;
}

// Asked at each event: the lock's change event may come after the first
// motion it lets through.
bool PointerLocked() {
    EmscriptenPointerlockChangeEvent lock;
    return emscripten_get_pointerlock_status(&lock) == EMSCRIPTEN_RESULT_SUCCESS && lock.isActive;
}

EM_BOOL OnClick(int, const EmscriptenMouseEvent*, void*) {
    // Granted only inside a user gesture, which this click is.
    if (!PointerLocked()) emscripten_request_pointerlock("#canvas", EM_FALSE);
    return EM_FALSE;
}

EM_BOOL OnMove(int, const EmscriptenMouseEvent* event, void*) {
    if (!PointerLocked()) return EM_FALSE;
    state.pointer.x += event->movementX;
    state.pointer.y += event->movementY;
    return EM_FALSE;
}

// A press let go before an idle pass has run would be gone from the key
// state before the loop looks (a short F1 would switch nothing): its
// release, and all behind it, waits for the next swap, as if not yet come.
bool HeldBack(const MSG& msg) { return msg.message == WM_KEYUP && state.keyUnseen[msg.wParam]; }

}  // namespace

void ListenToCanvas(bool listen) {
    const char* canvas = "#canvas";
    emscripten_set_keydown_callback(canvas, nullptr, EM_FALSE, listen ? OnKey : nullptr);
    emscripten_set_keyup_callback(canvas, nullptr, EM_FALSE, listen ? OnKey : nullptr);
    emscripten_set_focus_callback(canvas, nullptr, EM_FALSE, listen ? OnFocus : nullptr);
    emscripten_set_blur_callback(canvas, nullptr, EM_FALSE, listen ? OnFocus : nullptr);
    emscripten_set_click_callback(canvas, nullptr, EM_FALSE, listen ? OnClick : nullptr);
    emscripten_set_mousemove_callback(canvas, nullptr, EM_FALSE, listen ? OnMove : nullptr);
}

void ListenToPage() { emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, OnVisibility); }

}  // namespace web_win32

using namespace web_win32;

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND, UINT, UINT, UINT wRemoveMsg) {
    if (!lpMsg) return FALSE;
    // A quit request does not wait for a release held back.
    if (state.count > 0 && !HeldBack(state.queue[state.first])) {
        *lpMsg = state.queue[state.first];
        if (wRemoveMsg & PM_REMOVE) {
            state.first = (state.first + 1) % kQueueLength;
            --state.count;
            if (lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP) {
                state.keyDown[lpMsg->wParam] = lpMsg->message == WM_KEYDOWN;
                state.keyUnseen[lpMsg->wParam] = lpMsg->message == WM_KEYDOWN;
            }
        }
        return TRUE;
    }
    if (!state.quitPosted) return FALSE;
    *lpMsg = {};
    lpMsg->message = WM_QUIT;
    lpMsg->wParam = static_cast<WPARAM>(state.quitCode);
    if (wRemoveMsg & PM_REMOVE) state.quitPosted = false;
    return TRUE;
}

// No character messages are made.
BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (!lpMsg || !lpMsg->hwnd || lpMsg->hwnd != state.window) return 0;
    return state.procedure(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    state.quitPosted = true;
    state.quitCode = nExitCode;
}
