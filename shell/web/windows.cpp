// The window class and the window: the page's <canvas>.
#include <emscripten.h>
#include <strings.h>

#include <cstring>

#include "shell/web/state.h"

namespace web_win32 {
namespace {

EM_JS(void, MakeCanvas, (int width, int height, const char* title), {
    var canvas = document.createElement("canvas");
    canvas.id = "canvas";
    canvas.width = width;
    canvas.height = height;
    canvas.tabIndex = 0;
    canvas.hidden = true;
    document.getElementById("window").appendChild(canvas);
    document.title = UTF8ToString(title);
});

EM_JS(void, RemoveCanvas, (), {
    if (document.pointerLockElement) document.exitPointerLock();
    document.getElementById("canvas").remove();
});

EM_JS(void, ShowCanvas, (int show), { document.getElementById("canvas").hidden = !show; });

EM_JS(void, FocusCanvas, (), { document.getElementById("canvas").focus(); });

HWND Handle() { return reinterpret_cast<HWND>(&windowHandle); }

LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return state.procedure(state.window, message, wParam, lParam);
}

}  // namespace
}  // namespace web_win32

using namespace web_win32;

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (!lpWndClass || !lpWndClass->lpfnWndProc || !lpWndClass->lpszClassName || state.className[0] ||
        std::strlen(lpWndClass->lpszClassName) >= sizeof(state.className))
        return 0;
    std::strcpy(state.className, lpWndClass->lpszClassName);
    state.classInstance = lpWndClass->hInstance;
    state.procedure = lpWndClass->lpfnWndProc;
    return 0xC000;
}

// Class names compare without case, as on Windows; a class in use stays.
BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    if (!lpClassName || strcasecmp(lpClassName, state.className) != 0 || hInstance != state.classInstance ||
        state.window)
        return FALSE;
    state.className[0] = '\0';
    state.procedure = nullptr;
    return TRUE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD, BOOL, DWORD) { return lpRect != nullptr; }

HWND WINAPI CreateWindowExA(DWORD, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD, int, int, int nWidth,
                            int nHeight, HWND, HMENU, HINSTANCE, LPVOID) {
    if (state.window || !lpClassName || strcasecmp(lpClassName, state.className) != 0 || nWidth <= 0 ||
        nHeight <= 0)
        return nullptr;
    MakeCanvas(nWidth, nHeight, lpWindowName ? lpWindowName : "");
    state.window = Handle();
    state.width = nWidth;
    state.height = nHeight;
    state.pixelFormat = 0;
    // The pointer starts at the window's centre, so starting turns nothing.
    state.pointer = {nWidth / 2, nHeight / 2};
    ListenToCanvas(true);
    ApplyCursorVisibility();
    if (!Send(WM_NCCREATE, 0, 0)) {
        DestroyWindow(state.window);
        return nullptr;
    }
    Send(WM_CREATE, 0, 0);
    Send(WM_SIZE, SIZE_RESTORED, MAKELONG(nWidth, nHeight));
    return state.window;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (!hWnd || hWnd != state.window) return FALSE;
    ListenToCanvas(false);
    RemoveCanvas();
    // Messages posted to it go with it, but for the keys: a release still
    // waiting (as one held back for the next swap does) stays, with no
    // window, so that the key state stays true to the keyboard.
    int kept = 0;
    for (int i = 0; i < state.count; ++i) {
        MSG msg = state.queue[(state.first + i) % kQueueLength];
        const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP;
        if (msg.hwnd == hWnd && key) msg.hwnd = nullptr;
        if (msg.hwnd != hWnd) state.queue[(state.first + kept++) % kQueueLength] = msg;
    }
    state.count = kept;
    state.window = nullptr;
    state.focused = false;
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    if (!hWnd || hWnd != state.window) return FALSE;
    ShowCanvas(nCmdShow != SW_HIDE);
    return TRUE;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) { return hWnd && hWnd == state.window; }

HWND WINAPI SetFocus(HWND hWnd) {
    if (!hWnd || hWnd != state.window) return nullptr;
    FocusCanvas();
    return hWnd;
}

HDC WINAPI GetDC(HWND hWnd) {
    if (!hWnd || hWnd != state.window) return nullptr;
    return reinterpret_cast<HDC>(&dcHandle);
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    return hWnd && hWnd == state.window && hDC == reinterpret_cast<HDC>(&dcHandle);
}

// WM_NCCREATE goes on; a close request destroys the window; the rest needs nothing.
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
    if (Msg == WM_NCCREATE) return TRUE;
    if (Msg == WM_CLOSE) DestroyWindow(hWnd);
    return 0;
}
