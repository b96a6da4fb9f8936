// A real GL context for drawing with the program's own code: a hidden
// 640 x 480 window, double-buffered RGB with the 16-bit depth buffer the
// program asks for, current while it lasts.
#ifndef TESSALINE_TESTS_RENDER_GL_CONTEXT_H
#define TESSALINE_TESTS_RENDER_GL_CONTEXT_H

#include <string>

struct SDL_Window;

class GlContext {
public:
    GlContext();
    ~GlContext();
    // False, with the reason on standard error, where the display offers none.
    bool Made() const { return context != nullptr; }

private:
    SDL_Window* window = nullptr;
    void* context = nullptr;
};

// The back buffer as drawn so far: RGB rows from the top.
std::string ReadFrame();

#endif  // TESSALINE_TESTS_RENDER_GL_CONTEXT_H
