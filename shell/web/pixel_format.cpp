// Pixel formats, the WebGL context and presentation.
#include <emscripten.h>

#include <algorithm>
#include <iterator>

#include "shell/web/gl/gl.h"
#include "shell/web/state.h"

namespace web_win32 {
namespace {

// The one format offered: a double-buffered RGBA window with a depth buffer
// (WebGL gives 16 bits or more).
bool Offers(const PIXELFORMATDESCRIPTOR& pfd) {
    const DWORD needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    return pfd.iPixelType == PFD_TYPE_RGBA && (pfd.dwFlags & needed) == needed && pfd.cAlphaBits == 0 &&
           pfd.cAccumBits == 0 && pfd.cStencilBits == 0 && pfd.cAuxBuffers == 0 && pfd.cDepthBits <= 16;
}

bool IsDC(HDC hdc) { return state.window && hdc == reinterpret_cast<HDC>(&dcHandle); }

HGLRC Handle() { return reinterpret_cast<HGLRC>(&contextHandle); }

// The frame is shown once the browser has its turn; the loop goes on at its
// next animation frame.
EM_ASYNC_JS(void, NextAnimationFrame, (), { await new Promise(function(shown) { requestAnimationFrame(shown); }); });

}  // namespace
}  // namespace web_win32

using namespace web_win32;

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd) {
    return IsDC(hdc) && ppfd && Offers(*ppfd) ? 1 : 0;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR*) {
    if (!IsDC(hdc) || state.pixelFormat || format != 1) return FALSE;
    state.pixelFormat = format;
    return TRUE;
}

// No alpha: the program clears with an alpha of 0.5, which would let the
// page show through.
HGLRC WINAPI wglCreateContext(HDC hdc) {
    if (!IsDC(hdc) || !state.pixelFormat || state.context) return nullptr;
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    state.context = emscripten_webgl_create_context("#canvas", &attributes);
    if (state.context <= 0) {
        state.context = 0;
        return nullptr;
    }
    state.contextUsed = false;
    return Handle();
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    if (!hglrc) {
        emscripten_webgl_make_context_current(0);
        state.contextCurrent = false;
        StopWebGl();
        return TRUE;
    }
    if (!IsDC(hdc) || hglrc != Handle() || !state.context) return FALSE;
    if (emscripten_webgl_make_context_current(state.context) != EMSCRIPTEN_RESULT_SUCCESS) return FALSE;
    StartWebGl(!state.contextUsed);
    state.contextUsed = true;
    state.contextCurrent = true;
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    if (hglrc != Handle() || !state.context) return FALSE;
    if (state.contextCurrent) wglMakeCurrent(nullptr, nullptr);
    emscripten_webgl_destroy_context(state.context);
    state.context = 0;
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC hdc) {
    // An idle pass has seen the keys pressed so far: their releases may go.
    std::fill(std::begin(state.keyUnseen), std::end(state.keyUnseen), false);
    if (!IsDC(hdc)) return FALSE;
    NextAnimationFrame();
    return TRUE;
}
