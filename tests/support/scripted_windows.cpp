// The window class, windows, device contexts, pixel formats, rendering
// contexts and display modes of the scripted Win32.
#include <cstdio>
#include <cstring>

#include "tests/support/scripted_win32.h"

namespace {

const HINSTANCE INSTANCE = reinterpret_cast<HINSTANCE>(0x400000);
const char* const CLASS = "OpenGL";  // live while registered

bool IsClass(LPCSTR name) { return name == CLASS || (name && !std::strcmp(name, CLASS)); }

}  // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR name) { return scripted.Call("GetModuleHandleA", !name) ? INSTANCE : nullptr; }
HICON WINAPI LoadIconA(HINSTANCE i, LPCSTR n) { return HICON(scripted.Call("LoadIconA", !i && n == IDI_WINLOGO)); }
HCURSOR WINAPI LoadCursorA(HINSTANCE i, LPCSTR n) {
    return HCURSOR(scripted.Call("LoadCursorA", !i && n == IDC_ARROW));
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* c) {
    bool valid = !scripted.Live(CLASS);
    return scripted.Set("RegisterClassA", scripted.windowClass, *c, valid) && scripted.live.insert(CLASS).second;
}

BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE i) {
    return scripted.Release("UnregisterClassA", CLASS, IsClass(name) && i == scripted.windowClass.hInstance);
}

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
    if (mode) scripted.mode = *mode;
    bool valid = flags == (mode ? CDS_FULLSCREEN : 0);
    bool changed = scripted.Set("ChangeDisplaySettingsA", scripted.modeChanged, mode != nullptr, valid);
    return changed ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_BADMODE;
}

// As on a 96-dpi desktop: a caption and border add 8 pixels left, right and
// below and 31 above.
BOOL WINAPI AdjustWindowRectEx(LPRECT r, DWORD style, BOOL menu, DWORD) {
    RECT framed = style & 0x00C00000 ? RECT{r->left - 8, r->top - 31, r->right + 8, r->bottom + 8} : *r;
    return scripted.Set("AdjustWindowRectEx", *r, framed, !menu);
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                            int height, HWND parent, HMENU menu, HINSTANCE i, LPVOID param) {
    bool valid = scripted.Live(CLASS) && IsClass(className) && i == scripted.windowClass.hInstance;
    valid = valid && !parent && !menu && !param;
    if (!scripted.Call("CreateWindowExA", valid)) return nullptr;
    char record[200];
    std::snprintf(record, sizeof record, "%x %x %d %d %d %d %s", exStyle, style, x, y, width, height, title);
    scripted.windowsCreated.push_back(record);
    return scripted.window = scripted.Make<HWND>();
}

BOOL WINAPI DestroyWindow(HWND w) { return scripted.Release("DestroyWindow", w); }
BOOL WINAPI ShowWindow(HWND w, int show) {
    return scripted.Set("ShowWindow", scripted.visible, show == SW_SHOW, scripted.Live(w));
}
BOOL WINAPI SetForegroundWindow(HWND w) { return scripted.Call("SetForegroundWindow", scripted.Live(w)); }
HWND WINAPI SetFocus(HWND w) { return scripted.Call("SetFocus", scripted.Live(w)) ? w : nullptr; }
HDC WINAPI GetDC(HWND w) { return scripted.Call("GetDC", scripted.Live(w)) ? scripted.Make<HDC>() : nullptr; }
int WINAPI ReleaseDC(HWND w, HDC dc) { return scripted.Release("ReleaseDC", dc, scripted.Live(w)); }

int WINAPI ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
    return scripted.Set("ChoosePixelFormat", scripted.pfd, *pfd, scripted.Live(dc)) ? 7 : 0;
}

BOOL WINAPI SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd) {
    bool valid = scripted.Live(dc) && format == 7 && !std::memcmp(pfd, &scripted.pfd, sizeof *pfd);
    return scripted.Call("SetPixelFormat", valid);
}

HGLRC WINAPI wglCreateContext(HDC dc) {
    return scripted.Call("wglCreateContext", scripted.Live(dc)) ? scripted.Make<HGLRC>() : nullptr;
}

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC rc) {
    bool valid = (!dc && !rc) || (scripted.Live(dc) && scripted.Live(rc));
    return scripted.Set("wglMakeCurrent", scripted.current, rc, valid);
}

BOOL WINAPI wglDeleteContext(HGLRC rc) { return scripted.Release("wglDeleteContext", rc); }

BOOL WINAPI SwapBuffers(HDC dc) {
    ScriptedWin32& s = scripted;
    s.frames += !s.Live(dc) || !s.Live(s.current) || !s.visible ? 'x' : s.modeChanged ? 'F' : 'W';
    s.frames += std::string(s.drawn ? "d" : "-") + (s.cursorCount < 0 ? "h " : "s ");
    s.drawn = false;
    return s.Call("SwapBuffers");
}
