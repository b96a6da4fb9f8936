#include "tests/render/gl_window.h"

#include <GL/glx.h>
#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace {

const int kDepthBits = 16;

// Xvfb now and then drops a new connection, even one from a lone client
// (about one in a thousand at the pace of the tests), so connecting is
// retried.
template <typename Connect>
bool Patiently(Connect connect) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (connect()) return true;
        SDL_Delay(20);
    }
    return false;
}

// Asking SDL for 16 depth bits gets the deepest buffer on offer (32 bits on
// Mesa's Xvfb), so the visual is picked here: one with exactly 16 depth
// bits, double-buffered, 8-bit RGB, single-sampled; 0 if there is none.
unsigned long VisualWithSixteenDepthBits() {
    Display* display = nullptr;
    if (!Patiently([&] { return (display = XOpenDisplay(nullptr)) != nullptr; })) return 0;
    const int wanted[] = {GLX_X_RENDERABLE, True,          GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,
                          GLX_RENDER_TYPE,  GLX_RGBA_BIT,  GLX_X_VISUAL_TYPE, GLX_TRUE_COLOR,
                          GLX_DOUBLEBUFFER, True,          GLX_RED_SIZE,      8,
                          GLX_GREEN_SIZE,   8,             GLX_BLUE_SIZE,     8,
                          GLX_DEPTH_SIZE,   kDepthBits,    None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
    unsigned long visual = 0;
    for (int i = 0; i < count && visual == 0; ++i) {
        int depth = 0, samples = 0, id = 0;
        glXGetFBConfigAttrib(display, configs[i], GLX_DEPTH_SIZE, &depth);
        glXGetFBConfigAttrib(display, configs[i], GLX_SAMPLES, &samples);
        glXGetFBConfigAttrib(display, configs[i], GLX_VISUAL_ID, &id);
        if (depth == kDepthBits && samples == 0) visual = static_cast<unsigned long>(id);
    }
    if (configs) XFree(configs);
    XCloseDisplay(display);
    return visual;
}

}  // namespace

Frame::Frame(int width, int height, std::vector<std::uint8_t> rgb)
    : width(width), height(height), rgb(std::move(rgb)) {}

Rgb Frame::At(int x, int y) const {
    const std::uint8_t* p = &rgb.at(3 * (static_cast<std::size_t>(y) * width + x));
    return {p[0], p[1], p[2]};
}

bool Frame::operator==(const Frame& other) const {
    return width == other.width && height == other.height && rgb == other.rgb;
}

void Frame::SavePpm(const std::string& path) const {
    std::ofstream file;
    std::ostream& out = path == "-" ? std::cout : (file.open(path, std::ios::binary), file);
    out << "P6\n" << width << " " << height << "\n255\n";
    for (int y = height - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(&rgb[3 * static_cast<std::size_t>(y) * width]), 3 * width);
    if (!out) throw std::runtime_error("cannot write " + path);
}

Frame Frame::LoadPpm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    if (!in || magic != "P6" || maximum != 255) throw std::runtime_error("not a binary PPM: " + path);
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(width) * height);
    for (int y = height - 1; y >= 0; --y)
        in.read(reinterpret_cast<char*>(&rgb[3 * static_cast<std::size_t>(y) * width]), 3 * width);
    if (!in) throw std::runtime_error("short PPM: " + path);
    return Frame(width, height, std::move(rgb));
}

GlWindow::GlWindow(int width, int height) : width(width), height(height) {
    const unsigned long visual = VisualWithSixteenDepthBits();
    if (visual == 0) throw std::runtime_error("the X server offers no visual with 16 depth bits");
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", visual);
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, id);
    if (!Patiently([] { return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; })) throw std::runtime_error(SDL_GetError());
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBits);
    window = SDL_CreateWindow("render test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) throw std::runtime_error(SDL_GetError());
    context = SDL_GL_CreateContext(window);
    if (!context) throw std::runtime_error(SDL_GetError());
}

GlWindow::~GlWindow() {
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void GlWindow::MakeCurrent() { SDL_GL_MakeCurrent(window, context); }

void GlWindow::ReleaseContext() { SDL_GL_MakeCurrent(window, nullptr); }

Frame GlWindow::ReadBack() const {
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(width) * height);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return Frame(width, height, std::move(rgb));
}
