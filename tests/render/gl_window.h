// A real GL context for render tests: a hidden SDL window on the X display,
// double-buffered RGBA with a 16-bit depth buffer, as the program asks for,
// and frames read back from its back buffer.
#ifndef TESSALINE_TESTS_RENDER_GL_WINDOW_H
#define TESSALINE_TESTS_RENDER_GL_WINDOW_H

#include <cstdint>
#include <string>
#include <vector>

#include "tests/scene/colour.h"

struct SDL_Window;

// One frame; (0, 0) is the bottom-left pixel, as in GL window coordinates.
class Frame {
public:
    Frame(int width, int height, std::vector<std::uint8_t> rgb);

    Rgb At(int x, int y) const;
    bool operator==(const Frame& other) const;
    // A binary PPM, top row first; "-" writes to standard output.
    void SavePpm(const std::string& path) const;
    static Frame LoadPpm(const std::string& path);

    const int width, height;

private:
    std::vector<std::uint8_t> rgb;
};

class GlWindow {
public:
    GlWindow(int width, int height);
    ~GlWindow();
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    void MakeCurrent();
    void ReleaseContext();  // leaves no context current on this thread
    // The back buffer as drawn so far; nothing is swapped.
    Frame ReadBack() const;

    const int width, height;

private:
    SDL_Window* window;
    void* context;
};

#endif  // TESSALINE_TESTS_RENDER_GL_WINDOW_H
