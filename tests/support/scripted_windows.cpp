// The window class, the one window, its device context and pixel format,
// the rendering context and the display mode of the scripted Win32.
#include <cstdio>
#include <cstring>

#include "tests/support/scripted_win32.h"

namespace {

const HINSTANCE INSTANCE = reinterpret_cast<HINSTANCE>(0x400000);
const RECT CAPTION_FRAME = {8, 31, 8, 8};  // a captioned window's border, as at 96 dpi

bool Captioned(DWORD style) { return (style & 0x00C00000) != 0; }

}  // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    return scripted.Call("GetModuleHandleA") || lpModuleName ? nullptr : INSTANCE;
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    if (scripted.Call("LoadIconA") || hInstance || lpIconName != IDI_WINLOGO) return nullptr;
    return scripted.NewHandle<HICON>();
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (scripted.Call("LoadCursorA") || hInstance || lpCursorName != IDC_ARROW) return nullptr;
    return scripted.NewHandle<HCURSOR>();
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (scripted.Call("RegisterClassA") || scripted.classRegistered) return 0;
    scripted.windowClass = *lpWndClass;
    scripted.registered = lpWndClass->hInstance;
    scripted.classRegistered = true;
    return 1;
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    if (scripted.Call("UnregisterClassA") || !scripted.classRegistered || std::strcmp(lpClassName, "OpenGL") ||
        hInstance != scripted.registered)
        return FALSE;
    scripted.classRegistered = false;
    return TRUE;
}

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA* lpDevMode, DWORD dwFlags) {
    if (scripted.Call("ChangeDisplaySettingsA")) return DISP_CHANGE_FAILED;
    if (lpDevMode) scripted.mode = *lpDevMode;
    if (lpDevMode && (!scripted.modeOffered || dwFlags != CDS_FULLSCREEN)) return DISP_CHANGE_BADMODE;
    scripted.modeChanged = lpDevMode != nullptr;
    return DISP_CHANGE_SUCCESSFUL;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD) {
    if (scripted.Call("AdjustWindowRectEx") || bMenu) return FALSE;
    if (!Captioned(dwStyle)) return TRUE;
    *lpRect = RECT{lpRect->left - CAPTION_FRAME.left, lpRect->top - CAPTION_FRAME.top,
                   lpRect->right + CAPTION_FRAME.right, lpRect->bottom + CAPTION_FRAME.bottom};
    return TRUE;
}

// Sends the first size message before returning, as Windows does.
HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
    if (scripted.Call("CreateWindowExA") || !scripted.classRegistered || std::strcmp(lpClassName, "OpenGL") ||
        hWndParent || hMenu || lpParam || hInstance != scripted.registered)
        return nullptr;
    char record[160];
    std::snprintf(record, sizeof record, "%s|%x|%x|%d %d %d %d", lpWindowName, dwExStyle, dwStyle, X, Y, nWidth,
                  nHeight);
    scripted.windowsCreated.push_back(record);
    scripted.window = scripted.NewHandle<HWND>();
    ++scripted.windows;
    scripted.visible = false;
    RECT frame = Captioned(dwStyle) ? CAPTION_FRAME : RECT{0, 0, 0, 0};
    scripted.windowClass.lpfnWndProc(scripted.window, WM_SIZE, SIZE_RESTORED,
                                     MAKELONG(nWidth - frame.left - frame.right, nHeight - frame.top - frame.bottom));
    return scripted.window;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (scripted.Call("DestroyWindow") || !hWnd || hWnd != scripted.window) return FALSE;
    --scripted.windows;
    scripted.window = scripted.focus = scripted.foreground = nullptr;
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    bool wasVisible = scripted.visible;
    if (scripted.Call("ShowWindow") || hWnd != scripted.window) return FALSE;
    scripted.visible = nCmdShow == SW_SHOW;
    return wasVisible;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    if (scripted.Call("SetForegroundWindow") || hWnd != scripted.window) return FALSE;
    scripted.foreground = hWnd;
    return TRUE;
}

HWND WINAPI SetFocus(HWND hWnd) {
    HWND previous = scripted.focus;
    if (scripted.Call("SetFocus") || hWnd != scripted.window) return nullptr;
    scripted.focus = hWnd;
    return previous;
}

HDC WINAPI GetDC(HWND hWnd) {
    if (scripted.Call("GetDC") || !hWnd || hWnd != scripted.window) return nullptr;
    scripted.format = 0;
    return scripted.dc = scripted.NewHandle<HDC>();
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    if (scripted.Call("ReleaseDC") || !hWnd || hWnd != scripted.window || hDC != scripted.dc) return 0;
    scripted.dc = nullptr;
    return 1;
}

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd) {
    if (scripted.Call("ChoosePixelFormat") || !hdc || hdc != scripted.dc) return 0;
    scripted.pfd = *ppfd;
    return 7;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR* ppfd) {
    if (scripted.Call("SetPixelFormat") || !hdc || hdc != scripted.dc || format != 7 ||
        std::memcmp(ppfd, &scripted.pfd, sizeof *ppfd))
        return FALSE;
    scripted.format = format;
    return TRUE;
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
    if (scripted.Call("wglCreateContext") || !hdc || hdc != scripted.dc || !scripted.format) return nullptr;
    ++scripted.contexts;
    return scripted.context = scripted.NewHandle<HGLRC>();
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    bool release = !hdc && !hglrc;
    bool matches = hdc && hdc == scripted.dc && hglrc && hglrc == scripted.context;
    if (scripted.Call("wglMakeCurrent") || !(release || matches)) return FALSE;
    scripted.current = matches;
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    if (scripted.Call("wglDeleteContext") || !hglrc || hglrc != scripted.context) return FALSE;
    --scripted.contexts;
    scripted.context = nullptr;
    scripted.current = false;
    return TRUE;
}

// Describes what the user sees at each swap; see `frames`.
BOOL WINAPI SwapBuffers(HDC hdc) {
    bool ready = hdc && hdc == scripted.dc && scripted.current && scripted.visible && scripted.window &&
                 scripted.focus == scripted.window && scripted.foreground == scripted.window;
    scripted.frames += !ready ? 'x' : scripted.modeChanged ? 'F' : 'W';
    scripted.frames += scripted.drawn ? 'd' : '-';
    scripted.frames += scripted.cursorCount < 0 ? "h " : "s ";
    scripted.drawn = false;
    return !scripted.Call("SwapBuffers");
}
