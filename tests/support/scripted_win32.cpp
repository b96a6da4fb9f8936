// The services of the scripted Win32: input, messages and boxes; then the
// window class, windows, device contexts, pixel formats, rendering contexts
// and display modes.
#include "tests/support/scripted_win32.h"

#include <cstdio>
#include <cstring>

ScriptedWin32 scripted;

bool ScriptedWin32::Call(const char* service, bool valid) {
    bool again = !std::strcmp(service, "GetKeyState") && log.size() >= 11 && !log.compare(log.size() - 11, 11, service);
    if (!again) log += (log.empty() ? "" : " ") + std::string(service);
    return ++calls[service] == nth && failing == service ? false : valid;
}

bool ScriptedWin32::Release(const char* service, const void* handle) {
    return Call(service, Live(handle)) && live.erase(handle);
}

SHORT WINAPI GetKeyState(int nVirtKey) {
    scripted.keysAsked.push_back(nVirtKey);
    return scripted.Call("GetKeyState") && scripted.held[nVirtKey & 0xFF] ? static_cast<SHORT>(0xFF80) : 0;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) { return scripted.Set("GetCursorPos", *lpPoint, scripted.cursor); }
BOOL WINAPI SetCursorPos(int X, int Y) { return scripted.Set("SetCursorPos", scripted.cursor, POINT{X, Y}); }
int WINAPI ShowCursor(BOOL bShow) {
    scripted.Call("ShowCursor");
    return scripted.cursorCount += bShow ? 1 : -1;
}

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    scripted.boxes.push_back(std::string(lpCaption) + "|" + lpText + "|" + std::to_string(uType));
    size_t shown = scripted.boxes.size() - 1;
    return !scripted.Call("MessageBoxA") ? 0 : shown < scripted.answers.size() ? scripted.answers[shown] : IDOK;
}

// A script run out, or a thousand looks, ends the program with 99.
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND, UINT, UINT, UINT) {
    ScriptedWin32& s = scripted;
    if (!s.Call("PeekMessageA") && s.calls["PeekMessageA"] < 1000) return FALSE;
    if (s.script.empty() || s.calls["PeekMessageA"] >= 1000) s.script.push_front(Step{WM_QUIT, 99, 0});
    Step next = s.script.front();
    s.script.pop_front();
    if (next.message == WM_NULL) return FALSE;
    *lpMsg = MSG{s.window, next.message, next.wParam, next.lParam, 0, POINT{0, 0}};
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*) { return !scripted.Call("TranslateMessage"); }  // no characters

LRESULT WINAPI DispatchMessageA(const MSG* m) {
    if (!scripted.Call("DispatchMessageA", scripted.Live(m->hwnd))) return 0;
    return scripted.windowClass.lpfnWndProc(m->hwnd, m->message, m->wParam, m->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    if (scripted.Call("PostQuitMessage")) scripted.script.push_front(Step{WM_QUIT, WPARAM(nExitCode), 0});
}

// Answers with the window it was given, so that both the window and a result
// passed on show.
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT, WPARAM, LPARAM) {
    return scripted.Call("DefWindowProcA", scripted.Live(hWnd)) ? LRESULT(hWnd) : 0;
}

// The class registered is live under the address of its record.
HMODULE WINAPI GetModuleHandleA(LPCSTR) { return scripted.Call("GetModuleHandleA") ? HMODULE(0x400000) : nullptr; }
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR) { return HICON(scripted.Call("LoadIconA")); }
HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) { return HCURSOR(scripted.Call("LoadCursorA")); }

ATOM WINAPI RegisterClassA(const WNDCLASSA* c) {
    const void* registered = &scripted.windowClass;
    return scripted.Set("RegisterClassA", scripted.windowClass, *c) && scripted.live.insert(registered).second;
}

BOOL WINAPI UnregisterClassA(LPCSTR, HINSTANCE) { return scripted.Release("UnregisterClassA", &scripted.windowClass); }

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA* mode, DWORD) {
    if (mode) scripted.mode = *mode;
    bool changed = scripted.Set("ChangeDisplaySettingsA", scripted.modeChanged, mode != nullptr);
    return changed ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_BADMODE;
}

// As on a 96-dpi desktop: a caption and border add 8 pixels left, right and
// below and 31 above.
BOOL WINAPI AdjustWindowRectEx(LPRECT r, DWORD style, BOOL, DWORD) {
    RECT framed = style & 0x00C00000 ? RECT{r->left - 8, r->top - 31, r->right + 8, r->bottom + 8} : *r;
    return scripted.Set("AdjustWindowRectEx", *r, framed);
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR, LPCSTR title, DWORD style, int x, int y, int width, int height,
                            HWND, HMENU, HINSTANCE, LPVOID) {
    if (!scripted.Call("CreateWindowExA", scripted.Live(&scripted.windowClass))) return nullptr;
    char record[200];
    std::snprintf(record, sizeof record, "%x %x %d %d %d %d %s", exStyle, style, x, y, width, height, title);
    scripted.windowsCreated.push_back(record);
    // Windows sends the new window its first message before returning it, and
    // a zero answer ends the creation: the program's global handle is still
    // null then, and must not be what the window procedure passes on.
    scripted.window = HWND(scripted.Make());
    if (!scripted.windowClass.lpfnWndProc(scripted.window, WM_NCCREATE, 0, 0)) scripted.live.erase(scripted.window);
    return scripted.Live(scripted.window) ? scripted.window : nullptr;
}

BOOL WINAPI DestroyWindow(HWND w) { return scripted.Release("DestroyWindow", w); }
BOOL WINAPI ShowWindow(HWND, int show) { return scripted.Set("ShowWindow", scripted.visible, show == SW_SHOW); }
BOOL WINAPI SetForegroundWindow(HWND w) { return scripted.Call("SetForegroundWindow", scripted.Live(w)); }
HWND WINAPI SetFocus(HWND w) { return scripted.Call("SetFocus", scripted.Live(w)) ? w : nullptr; }
HDC WINAPI GetDC(HWND w) { return scripted.Call("GetDC", scripted.Live(w)) ? HDC(scripted.Make()) : nullptr; }
int WINAPI ReleaseDC(HWND, HDC dc) { return scripted.Release("ReleaseDC", dc); }

int WINAPI ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR* pfd) {
    return scripted.Set("ChoosePixelFormat", scripted.pfd, *pfd) ? 7 : 0;
}
BOOL WINAPI SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR*) { return scripted.Call("SetPixelFormat"); }

HGLRC WINAPI wglCreateContext(HDC) { return scripted.Call("wglCreateContext") ? HGLRC(scripted.Make()) : nullptr; }
BOOL WINAPI wglMakeCurrent(HDC, HGLRC rc) { return scripted.Set("wglMakeCurrent", scripted.current, rc); }

BOOL WINAPI wglDeleteContext(HGLRC rc) { return scripted.Release("wglDeleteContext", rc); }

BOOL WINAPI SwapBuffers(HDC dc) {
    ScriptedWin32& s = scripted;
    s.frames += !s.Live(dc) || !s.Live(s.current) || !s.visible ? 'x' : s.modeChanged ? 'F' : 'W';
    s.frames += std::string(s.drawn ? "d" : "-") + (s.cursorCount < 0 ? "h " : "s ");
    s.drawn = false;
    return s.Call("SwapBuffers");
}
