// Module, window classes, windows and their device contexts in the scripted
// Win32.
#include "tests/support/log_format.h"
#include "tests/support/scripted_win32.h"

namespace {

// The frame that a captioned window adds around its client area, as on a
// 96-dpi Windows 10 desktop; a pop-up window has none.
const DWORD CAPTION = 0x00C00000;
RECT Frame(DWORD style) { return style & CAPTION ? RECT{8, 31, 8, 8} : RECT{0, 0, 0, 0}; }

std::string Rect(const RECT& r) {
    return "{" + Join({std::to_string(r.left), std::to_string(r.top), std::to_string(r.right),
                       std::to_string(r.bottom)}) + "}";
}

ScriptedWindow* Find(HWND window) {
    auto found = scripted.windows.find(window);
    return found == scripted.windows.end() ? nullptr : &found->second;
}

}  // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (scripted.Call("GetModuleHandleA", Quote(lpModuleName)) || lpModuleName) return nullptr;
    return ScriptedWin32::Instance();
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    if (scripted.Call("LoadIconA", Join({Name(hInstance), Resource(lpIconName)}))) return nullptr;
    return scripted.NewHandle<HICON>(ScriptedWin32::Kind::icon);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (scripted.Call("LoadCursorA", Join({Name(hInstance), Resource(lpCursorName)}))) return nullptr;
    return scripted.NewHandle<HCURSOR>(ScriptedWin32::Kind::cursor);
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* c) {
    std::string record = "{" +
                         Join({Hex(c->style), c->lpfnWndProc ? "proc" : "null", std::to_string(c->cbClsExtra),
                               std::to_string(c->cbWndExtra), Name(c->hInstance), Name(c->hIcon), Name(c->hCursor),
                               Name(c->hbrBackground), Quote(c->lpszMenuName), Quote(c->lpszClassName)}) +
                         "}";
    if (scripted.Call("RegisterClassA", record)) return 0;
    if (!c->lpszClassName || scripted.classes.count(c->lpszClassName)) return 0;  // already registered
    scripted.classes[c->lpszClassName] = *c;
    return static_cast<ATOM>(0xC000 + scripted.classes.size());
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    if (scripted.Call("UnregisterClassA", Join({Quote(lpClassName), Name(hInstance)}))) return FALSE;
    auto found = scripted.classes.find(lpClassName ? lpClassName : "");
    if (found == scripted.classes.end() || found->second.hInstance != hInstance) return FALSE;
    // As on Windows, a class goes only once no window of it is left.
    for (const auto& window : scripted.windows)
        if (window.second.className == found->first) return FALSE;
    scripted.classes.erase(found);
    return TRUE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (scripted.Call("AdjustWindowRectEx",
                      Join({Rect(*lpRect), Hex(dwStyle), std::to_string(bMenu), Hex(dwExStyle)})))
        return FALSE;
    RECT frame = Frame(dwStyle);
    lpRect->left -= frame.left;
    lpRect->top -= frame.top;
    lpRect->right += frame.right;
    lpRect->bottom += frame.bottom;
    return TRUE;
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
    if (scripted.Call("CreateWindowExA",
                      Join({Hex(dwExStyle), Quote(lpClassName), Quote(lpWindowName), Hex(dwStyle), std::to_string(X),
                            std::to_string(Y), std::to_string(nWidth), std::to_string(nHeight), Name(hWndParent),
                            Name(hMenu), Name(hInstance), Name(lpParam)})))
        return nullptr;
    auto windowClass = scripted.classes.find(lpClassName ? lpClassName : "");
    if (windowClass == scripted.classes.end()) return nullptr;

    RECT frame = Frame(dwStyle);
    LONG clientWidth = nWidth - frame.left - frame.right;
    LONG clientHeight = nHeight - frame.top - frame.bottom;
    HWND window = scripted.NewHandle<HWND>(ScriptedWin32::Kind::window);
    scripted.windows[window] = ScriptedWindow{lpClassName,  windowClass->second.lpfnWndProc,
                                              dwExStyle,    dwStyle,
                                              RECT{X, Y, X + nWidth, Y + nHeight},
                                              clientWidth,  clientHeight,
                                              false,        nullptr,
                                              0};
    // Windows sizes the new window before CreateWindowExA returns.
    scripted.Send(window, WM_SIZE, SIZE_RESTORED, MAKELONG(clientWidth, clientHeight));
    return window;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (scripted.Call("DestroyWindow", Name(hWnd)) || !Find(hWnd)) return FALSE;
    scripted.windows.erase(hWnd);  // its own device context goes with it
    if (scripted.focus == hWnd) scripted.focus = nullptr;
    if (scripted.foreground == hWnd) scripted.foreground = nullptr;
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    ScriptedWindow* window = Find(hWnd);
    if (scripted.Call("ShowWindow", Join({Name(hWnd), std::to_string(nCmdShow)})) || !window) return FALSE;
    BOOL wasVisible = window->visible;
    window->visible = nCmdShow != SW_HIDE;
    return wasVisible;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    if (scripted.Call("SetForegroundWindow", Name(hWnd)) || !Find(hWnd)) return FALSE;
    scripted.foreground = hWnd;
    return TRUE;
}

HWND WINAPI SetFocus(HWND hWnd) {
    if (scripted.Call("SetFocus", Name(hWnd)) || (hWnd && !Find(hWnd))) return nullptr;
    HWND previous = scripted.focus;
    scripted.focus = hWnd;
    return previous;
}

HDC WINAPI GetDC(HWND hWnd) {
    ScriptedWindow* window = Find(hWnd);
    if (scripted.Call("GetDC", Name(hWnd)) || !window) return nullptr;
    // A class with CS_OWNDC: the window keeps one device context for life.
    if (!window->dc) window->dc = scripted.NewHandle<HDC>(ScriptedWin32::Kind::dc);
    return window->dc;
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    ScriptedWindow* window = Find(hWnd);
    if (scripted.Call("ReleaseDC", Join({Name(hWnd), Name(hDC)})) || !window || window->dc != hDC) return 0;
    return 1;
}
