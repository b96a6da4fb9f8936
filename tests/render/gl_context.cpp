#include "tests/render/gl_context.h"

#include <GL/glx.h>
#include <SDL2/SDL.h>

#include <cstdio>

namespace {

// An X server resets as its last client leaves, and refuses connections
// while it does: with tests coming and going, connecting is retried.
template <typename Connect>
bool Patiently(Connect connect) {
    for (int attempt = 0; attempt < 100; ++attempt, SDL_Delay(20))
        if (connect()) return true;
    return false;
}

// SDL asked for 16 depth bits gets the deepest buffer on offer (32 on Mesa's
// Xvfb), where coplanar layers never fight. So the visual is chosen here:
// exactly 16 depth bits, 8-bit RGB, double-buffered, single-sampled.
int VisualWithSixteenDepthBits() {
    Display* display = nullptr;
    if (!Patiently([&display] { return (display = XOpenDisplay(nullptr)) != nullptr; })) return 0;
    const int wanted[] = {GLX_DOUBLEBUFFER, True, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                          GLX_DEPTH_SIZE,   16,   None};
    int count = 0, depth = 0, samples = 1, id = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
    for (int i = 0; i < count && !(depth == 16 && samples == 0); ++i) {
        glXGetFBConfigAttrib(display, configs[i], GLX_DEPTH_SIZE, &depth);
        glXGetFBConfigAttrib(display, configs[i], GLX_SAMPLES, &samples);
        glXGetFBConfigAttrib(display, configs[i], GLX_VISUAL_ID, &id);
    }
    if (configs) XFree(configs);
    XCloseDisplay(display);
    return depth == 16 && samples == 0 ? id : 0;
}

}  // namespace

GlContext::GlContext() {
    const int visual = VisualWithSixteenDepthBits();
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(visual).c_str());
    if (visual && Patiently([] { return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }))
        window = SDL_CreateWindow("render", 0, 0, 640, 480, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window && (context = SDL_GL_CreateContext(window))) return;
    std::fprintf(stderr, "no GL context with 16 depth bits: %s\n", visual ? SDL_GetError() : "no such visual");
}

GlContext::~GlContext() {
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::string ReadFrame() {
    std::string rows(640 * 480 * 3, '\0'), frame;
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 640, 480, GL_RGB, GL_UNSIGNED_BYTE, &rows[0]);
    for (int y = 479; y >= 0; --y) frame += rows.substr(y * 640 * 3, 640 * 3);
    return frame;
}
