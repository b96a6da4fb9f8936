// Pixel formats, rendering contexts and presentation in the scripted Win32.
// The contexts are only handles: no GL context is ever current for real.
#include "tests/support/log_format.h"
#include "tests/support/scripted_win32.h"

namespace {

std::string Descriptor(const PIXELFORMATDESCRIPTOR* pfd) {
    if (!pfd) return "null";
    return "{" + Join({"size " + std::to_string(pfd->nSize), "flags " + Hex(pfd->dwFlags),
                       "colour " + std::to_string(pfd->cColorBits), "depth " + std::to_string(pfd->cDepthBits)}) +
           "}";
}

}  // namespace

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd) {
    if (scripted.Call("ChoosePixelFormat", Join({Name(hdc), Descriptor(ppfd)})) || !scripted.WindowOf(hdc) || !ppfd)
        return 0;
    scripted.requestedFormat = *ppfd;
    return scripted.closestFormat;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR* ppfd) {
    ScriptedWindow* window = scripted.WindowOf(hdc);
    if (scripted.Call("SetPixelFormat", Join({Name(hdc), std::to_string(format), Descriptor(ppfd)})) || !window)
        return FALSE;
    if (window->pixelFormat) return FALSE;  // a window's format is set once
    window->pixelFormat = format;
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC hdc) { return !scripted.Call("SwapBuffers", Name(hdc)) && scripted.WindowOf(hdc); }

HGLRC WINAPI wglCreateContext(HDC hdc) {
    ScriptedWindow* window = scripted.WindowOf(hdc);
    if (scripted.Call("wglCreateContext", Name(hdc)) || !window || !window->pixelFormat) return nullptr;
    HGLRC context = scripted.NewHandle<HGLRC>(ScriptedWin32::Kind::context);
    scripted.contexts.insert(context);
    return context;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    if (scripted.Call("wglMakeCurrent", Join({Name(hdc), Name(hglrc)}))) return FALSE;
    if (!hglrc) {
        scripted.current = nullptr;
        return TRUE;
    }
    if (!scripted.WindowOf(hdc) || !scripted.contexts.count(hglrc)) return FALSE;
    scripted.current = hglrc;
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    if (scripted.Call("wglDeleteContext", Name(hglrc)) || !scripted.contexts.erase(hglrc)) return FALSE;
    if (scripted.current == hglrc) scripted.current = nullptr;
    return TRUE;
}
