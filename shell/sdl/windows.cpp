// Window classes, windows and their device contexts.
#include <cctype>

#include "shell/sdl/state.h"

namespace sdl_win32 {

std::string ClassKey(LPCSTR className) {
    std::string key(className);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

Window* FindWindow(HWND hWnd) {
    auto found = state.windows.find(hWnd);
    return found == state.windows.end() ? nullptr : &found->second;
}

Window* FindWindowOfDC(HDC hDC) {
    for (auto& entry : state.windows)
        if (hDC && entry.second.dc == hDC) return &entry.second;
    return nullptr;
}

Window* FindWindowOfNative(Uint32 windowID) {
    for (auto& entry : state.windows)
        if (entry.second.native && SDL_GetWindowID(entry.second.native) == windowID) return &entry.second;
    return nullptr;
}

LRESULT SendToWindow(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FindWindow(hWnd);
    if (!window) return 0;
    // The procedure may destroy the window: nothing of it is used afterwards.
    return window->procedure(hWnd, message, wParam, lParam);
}

void TellActivation(HWND hWnd) {
    Window* window = FindWindow(hWnd);
    if (!window || (window->active == window->toldActive && window->minimised == window->toldMinimised)) return;
    window->toldActive = window->active;
    window->toldMinimised = window->minimised;
    WORD state = window->active ? WA_ACTIVE : WA_INACTIVE;
    SendToWindow(hWnd, WM_ACTIVATE, static_cast<DWORD>(MAKELONG(state, window->minimised ? 1 : 0)), 0);
}

void TellSize(HWND hWnd, WPARAM kind, int width, int height) {
    Window* window = FindWindow(hWnd);
    if (!window || (width == window->toldWidth && height == window->toldHeight)) return;
    window->toldWidth = width;
    window->toldHeight = height;
    SendToWindow(hWnd, WM_SIZE, kind, static_cast<DWORD>(MAKELONG(width, height)));
}

bool MakeNativeWindow(Window& window) {
    bool popup = (window.style & WS_POPUP) != 0;
    bool fullscreen = popup && state.fullscreenModeSet;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    else
        flags |= popup ? SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE;

    SDL_Window* native =
        SDL_CreateWindow(window.title.c_str(), window.x, window.y, window.width, window.height, flags);
    if (!native) return false;
    if (fullscreen && SDL_SetWindowDisplayMode(native, &state.fullscreenMode) != 0) {
        SDL_DestroyWindow(native);
        return false;
    }
    window.native = native;
    if (state.wayland) PlaceVirtualPointer(window);
    if (window.visible) SDL_ShowWindow(native);
    ApplyCursorVisibility();
    return true;
}

void ReleaseWindowsAndContexts() {
    if (state.currentRC) SDL_GL_MakeCurrent(nullptr, nullptr);
    for (auto& entry : state.contexts) SDL_GL_DeleteContext(entry.second.gl);
    for (auto& entry : state.windows)
        if (entry.second.native) SDL_DestroyWindow(entry.second.native);
    state.contexts.clear();
    state.windows.clear();
    state.currentDC = nullptr;
    state.currentRC = nullptr;
}

}  // namespace sdl_win32

using namespace sdl_win32;

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (!lpWndClass || !lpWndClass->lpszClassName || !lpWndClass->lpfnWndProc) return 0;
    std::string key = ClassKey(lpWndClass->lpszClassName);
    if (state.classes.count(key)) return 0;
    state.classes[key] = WindowClass{lpWndClass->hInstance, lpWndClass->lpfnWndProc};
    return ++state.lastAtom;
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    if (!lpClassName) return FALSE;
    std::string key = ClassKey(lpClassName);
    auto found = state.classes.find(key);
    if (found == state.classes.end() || found->second.instance != hInstance) return FALSE;
    for (auto& entry : state.windows)
        if (entry.second.classKey == key) return FALSE;
    state.classes.erase(found);
    return TRUE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD, BOOL, DWORD) {
    // The window manager draws any frame outside the client area.
    return lpRect ? TRUE : FALSE;
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU, HINSTANCE, LPVOID) {
    if (!lpClassName || hWndParent) return nullptr;
    auto windowClass = state.classes.find(ClassKey(lpClassName));
    if (windowClass == state.classes.end()) return nullptr;
    // A window is no use without a display; Windows would not have made one.
    if (!StartVideo()) return nullptr;

    Window window;
    window.handle = NewHandle<HWND>();
    window.dc = NewHandle<HDC>();
    window.procedure = windowClass->second.procedure;
    window.classKey = windowClass->first;
    window.title = lpWindowName ? lpWindowName : "";
    window.style = dwStyle;
    window.x = X;
    window.y = Y;
    window.width = nWidth;
    window.height = nHeight;
    HWND hWnd = window.handle;
    state.windows[hWnd] = window;

    // The messages Windows sends before CreateWindowExA returns; the caller
    // does not know the handle yet, the procedure gets it with each.
    if (!SendToWindow(hWnd, WM_NCCREATE, 0, 0)) {
        state.windows.erase(hWnd);
        return nullptr;
    }
    if (SendToWindow(hWnd, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    TellSize(hWnd, SIZE_RESTORED, nWidth, nHeight);
    return FindWindow(hWnd) ? hWnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (!FindWindow(hWnd)) return FALSE;
    SendToWindow(hWnd, WM_DESTROY, 0, 0);
    Window* window = FindWindow(hWnd);
    if (!window) return TRUE;  // destroyed by its own WM_DESTROY

    // SDL releases a context current on the window as it destroys it.
    if (window->native) SDL_DestroyWindow(window->native);
    if (state.currentDC == window->dc) {
        state.currentDC = nullptr;
        state.currentRC = nullptr;
    }
    if (state.focus == hWnd) {
        state.focus = nullptr;
        state.releasesMayGoUnheard = true;
    }
    state.windows.erase(hWnd);
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    Window* window = FindWindow(hWnd);
    if (!window) return FALSE;
    bool wasVisible = window->visible;
    bool show = nCmdShow != SW_HIDE;
    if (show != wasVisible) {
        // Told before it happens, as Windows tells it.
        SendToWindow(hWnd, WM_SHOWWINDOW, show, 0);
        if (!(window = FindWindow(hWnd))) return wasVisible;
        window->visible = show;
        if (window->native) show ? SDL_ShowWindow(window->native) : SDL_HideWindow(window->native);
    }
    // Showing a window activates it; hiding it deactivates it.
    window->active = show;
    TellActivation(hWnd);
    return wasVisible;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    Window* window = FindWindow(hWnd);
    if (!window) return FALSE;
    if (window->native) SDL_RaiseWindow(window->native);
    window->active = true;
    TellActivation(hWnd);
    return TRUE;
}

HWND WINAPI SetFocus(HWND hWnd) {
    HWND previous = state.focus;
    Window* window = FindWindow(hWnd);
    if (hWnd && !window) return nullptr;
    state.focus = hWnd;
    if (window && window->native && window->visible) SDL_SetWindowInputFocus(window->native);
    return previous;
}

HDC WINAPI GetDC(HWND hWnd) {
    Window* window = FindWindow(hWnd);
    return window ? window->dc : nullptr;
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    // The window keeps its device context, as with CS_OWNDC: releasing it
    // only checks that it is the window's.
    Window* window = FindWindow(hWnd);
    return window && hDC && window->dc == hDC ? 1 : 0;
}
