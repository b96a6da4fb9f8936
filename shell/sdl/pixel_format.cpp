// Pixel formats, GL rendering contexts and presentation.
#include <algorithm>
#include <iterator>

#include "shell/sdl/state.h"

namespace sdl_win32 {
namespace {

// The formats offered: double-buffered RGBA windows at the display's own
// colour depth; format n has kDepthBits[n - 1] depth bits.
const int kDepthBits[] = {16, 24};
const int kFormatCount = 2;

bool Offers(const PIXELFORMATDESCRIPTOR& pfd) {
    const DWORD needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    return pfd.iPixelType == PFD_TYPE_RGBA && (pfd.dwFlags & needed) == needed && pfd.cAlphaBits == 0 &&
           pfd.cAccumBits == 0 && pfd.cStencilBits == 0 && pfd.cAuxBuffers == 0;
}

// SDL leaves a context it creates current; Windows does not.
void RestoreCurrent() {
    Window* window = FindWindowOfDC(state.currentDC);
    auto context = state.contexts.find(state.currentRC);
    if (window && window->native && context != state.contexts.end())
        SDL_GL_MakeCurrent(window->native, context->second.gl);
    else
        SDL_GL_MakeCurrent(nullptr, nullptr);
}

}  // namespace
}  // namespace sdl_win32

using namespace sdl_win32;

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd) {
    if (!FindWindowOfDC(hdc) || !ppfd || !Offers(*ppfd)) return 0;
    for (int format = 1; format <= kFormatCount; ++format)
        if (ppfd->cDepthBits <= kDepthBits[format - 1]) return format;
    return 0;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR*) {
    Window* window = FindWindowOfDC(hdc);
    if (!window || window->pixelFormat || format < 1 || format > kFormatCount) return FALSE;

    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBits[format - 1]);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    if (!MakeNativeWindow(*window)) return FALSE;
    window->pixelFormat = format;
    return TRUE;
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
    Window* window = FindWindowOfDC(hdc);
    if (!window || !window->pixelFormat) return nullptr;
    SDL_GLContext gl = SDL_GL_CreateContext(window->native);
    if (!gl) return nullptr;
    HGLRC hglrc = NewHandle<HGLRC>();
    state.contexts[hglrc] = Context{gl, window->pixelFormat};
    RestoreCurrent();
    return hglrc;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    if (!hglrc) {
        if (state.currentRC && SDL_GL_MakeCurrent(nullptr, nullptr) != 0) return FALSE;
        state.currentDC = nullptr;
        state.currentRC = nullptr;
        return TRUE;
    }
    auto context = state.contexts.find(hglrc);
    Window* window = FindWindowOfDC(hdc);
    if (context == state.contexts.end() || !window || window->pixelFormat != context->second.pixelFormat)
        return FALSE;
    if (SDL_GL_MakeCurrent(window->native, context->second.gl) != 0) return FALSE;
    state.currentDC = hdc;
    state.currentRC = hglrc;
    // Wait for the display's refresh: the program's speeds are per pass, and
    // an unpaced loop would burn a core.
    SDL_GL_SetSwapInterval(1);
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    auto context = state.contexts.find(hglrc);
    if (context == state.contexts.end()) return FALSE;
    if (state.currentRC == hglrc) {
        SDL_GL_MakeCurrent(nullptr, nullptr);
        state.currentDC = nullptr;
        state.currentRC = nullptr;
    }
    SDL_GL_DeleteContext(context->second.gl);
    state.contexts.erase(context);
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC hdc) {
    // An idle pass has seen the keys pressed so far: their releases may go.
    std::fill(std::begin(state.keyUnseen), std::end(state.keyUnseen), false);
    // SDL presents only the window its current context draws to.
    Window* window = FindWindowOfDC(hdc);
    if (!window || !window->native || state.currentDC != hdc) return FALSE;
    SDL_GL_SwapWindow(window->native);
    return TRUE;
}
