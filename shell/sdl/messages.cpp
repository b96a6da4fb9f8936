// The message queue: SDL's events become posted key messages and sent
// window messages; the quit request comes last.
#include "shell/sdl/key_codes.h"
#include "shell/sdl/state.h"

namespace sdl_win32 {
namespace {

// lParam of a key message: a repeat count of 1; bit 30, the key was down
// before; bit 31, the key is being released.
const DWORD kRepeatCountOne = 1;
const DWORD kWasDown = 1u << 30;
const DWORD kReleasing = 1u << 31;

// Keys go to the window with the focus, as on Windows (SDL takes the X
// server's focus change as its own only some time after it happens), else
// to the window SDL names. A key whose window has gone is still posted, with
// no window, so that the key state stays true to the keyboard.
void PostKeyMessage(UINT message, int virtualKey, DWORD lParam, DWORD time, Uint32 windowID) {
    Window* window = FindWindow(state.focus);
    if (!window) window = FindWindowOfNative(windowID);
    MSG msg = {};
    msg.hwnd = window ? window->handle : nullptr;
    msg.message = message;
    msg.wParam = static_cast<WPARAM>(virtualKey);
    msg.lParam = lParam;
    msg.time = time;
    GetCursorPos(&msg.pt);
    state.posted.push_back(msg);
}

void PostKey(const SDL_KeyboardEvent& event) {
    int virtualKey = VirtualKeyOf(event.keysym.sym);
    if (!virtualKey) return;
    // SDL lets go of every key held in a window it destroys, as F1 is while
    // the program rebuilds its window: one still down is not let go yet, and
    // its first key-down after would count as a new press, switching again.
    // Its release is asked of the X server until SDL has it down again.
    state.releaseUnheard[virtualKey] =
        event.type == SDL_KEYUP && !FindWindowOfNative(event.windowID) && KeyIsDown(virtualKey);
    if (state.releaseUnheard[virtualKey]) return;
    // Whether the key was down before comes from the layer's own record:
    // SDL counts a press as a repeat when it missed the release before it.
    bool wasDown = state.keyHeld[virtualKey];
    state.keyHeld[virtualKey] = event.type == SDL_KEYDOWN;
    if (event.type == SDL_KEYDOWN)
        PostKeyMessage(WM_KEYDOWN, virtualKey, kRepeatCountOne | (wasDown ? kWasDown : 0), event.timestamp,
                       event.windowID);
    else
        PostKeyMessage(WM_KEYUP, virtualKey, kRepeatCountOne | kWasDown | kReleasing, event.timestamp,
                       event.windowID);
}

// Once the window with the keyboard focus is destroyed, keys let go before
// another window has the focus are released where nobody hears it (F1 held
// while the window is rebuilt, say). Until SDL has a focused window again,
// the X server is asked which of the keys held are down still; so it is for
// a key whose release SDL may not tell.
void ReleaseKeysLetGoUnheard() {
    if (SDL_GetKeyboardFocus()) state.releasesMayGoUnheard = false;
    for (int virtualKey = 0; virtualKey < 256; ++virtualKey)
        if (state.keyHeld[virtualKey] && (state.releasesMayGoUnheard || state.releaseUnheard[virtualKey]) &&
            !KeyIsDown(virtualKey)) {
            state.keyHeld[virtualKey] = state.releaseUnheard[virtualKey] = false;
            PostKeyMessage(WM_KEYUP, virtualKey, kRepeatCountOne | kWasDown | kReleasing, SDL_GetTicks(), 0);
        }
}

void SendWindowEvent(const SDL_WindowEvent& event) {
    Window* window = FindWindowOfNative(event.windowID);
    if (!window) return;
    HWND hWnd = window->handle;
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (state.wayland) TakePointerLock();
            window->active = true;
            TellActivation(hWnd);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            if (state.wayland) ReleasePointerLock();
            window->active = false;
            TellActivation(hWnd);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            window->minimised = true;
            window->active = false;
            TellActivation(hWnd);
            TellSize(hWnd, SIZE_MINIMIZED, 0, 0);
            break;
        case SDL_WINDOWEVENT_RESTORED: {
            // Restoring a window activates it, and the size comes back.
            window->minimised = false;
            window->active = true;
            int width = 0, height = 0;
            SDL_GetWindowSize(window->native, &width, &height);
            TellActivation(hWnd);
            TellSize(hWnd, SIZE_RESTORED, width, height);
            break;
        }
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (!window->minimised) TellSize(hWnd, SIZE_RESTORED, event.data1, event.data2);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            SendToWindow(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        default:
            break;
    }
}

// A press let go before an idle pass has run would be gone from the key
// state before the loop looks (a short F1 would switch nothing): its
// release, and all behind it, waits for the next swap, as if not yet come.
bool HeldBack(const MSG& msg) { return msg.message == WM_KEYUP && state.keyUnseen[msg.wParam]; }

void PumpEvents() {
    if (!state.videoStarted) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                PostKey(event.key);
                break;
            case SDL_WINDOWEVENT:
                SendWindowEvent(event.window);
                break;
            case SDL_MOUSEMOTION:
            case SDL_MOUSEBUTTONDOWN:
                if (state.wayland) FollowPointer(event);
                break;
            // SDL's Wayland driver reports a lost compositor as its one quit
            // event (with no signal handlers and no quit on closing the last
            // window, nothing else makes one here). Without this the loop
            // would go on drawing into nothing, at full speed.
            case SDL_QUIT:
                DisplayLost();
            default:
                break;
        }
    }
    ReleaseKeysLetGoUnheard();
}

}  // namespace
}  // namespace sdl_win32

using namespace sdl_win32;

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND, UINT, UINT, UINT wRemoveMsg) {
    if (!lpMsg) return FALSE;
    PumpEvents();
    bool remove = (wRemoveMsg & PM_REMOVE) != 0;

    // A quit request does not wait for a release held back.
    if (!state.posted.empty() && !HeldBack(state.posted.front())) {
        *lpMsg = state.posted.front();
        if (remove) {
            state.posted.pop_front();
            if (lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP) {
                state.keyDown[lpMsg->wParam] = lpMsg->message == WM_KEYDOWN;
                state.keyUnseen[lpMsg->wParam] = lpMsg->message == WM_KEYDOWN;
            }
        }
        return TRUE;
    }
    if (state.quitPosted) {
        *lpMsg = MSG{};
        lpMsg->message = WM_QUIT;
        lpMsg->wParam = static_cast<WPARAM>(static_cast<intptr_t>(state.quitCode));
        lpMsg->time = state.videoStarted ? SDL_GetTicks() : 0;
        GetCursorPos(&lpMsg->pt);
        if (remove) state.quitPosted = false;
        return TRUE;
    }
    return FALSE;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    // No character messages are made; Windows answers non-zero for every
    // key message all the same.
    return lpMsg && (lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP);
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    return SendToWindow(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    state.quitPosted = true;
    state.quitCode = nExitCode;
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM) {
    switch (Msg) {
        case WM_NCCREATE:
            return TRUE;
        case WM_ACTIVATE:
            // An activated window that is not minimised takes the focus.
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) SetFocus(hWnd);
            return 0;
        case WM_SYSCOMMAND:
            // The low four bits of a system command are the system's own.
            if ((wParam & 0xFFF0) == SC_CLOSE) SendToWindow(hWnd, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        default:
            return 0;
    }
}
