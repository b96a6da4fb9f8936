// Tests of the SDL2 layer: each test process gets an Xvfb display of its
// own, each test a fresh layer and a window procedure that records what it
// is sent.
#ifndef TESSALINE_TESTS_SDL_SDL_LAYER_FIXTURE_H
#define TESSALINE_TESTS_SDL_SDL_LAYER_FIXTURE_H

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/win32.h"
#include "tests/e2e/support/x_session.h"

struct Delivered {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class SdlLayerTest : public ::testing::Test {
public:
    // Every message the test procedure received, in order.
    static std::vector<Delivered> delivered;
    // WM_CLOSE posts the quit request, as the viewer's procedure does,
    // instead of destroying the window.
    static bool closeQuits;
    static bool refuseNcCreate;

protected:
    void SetUp() override;
    void TearDown() override;

    // Registers "Test" (once) and makes a window of it at (x, y) with this
    // client size; with a pixel format, its native window exists too.
    HWND MakeWindow(DWORD style, int x = 0, int y = 0, int width = 640, int height = 480);
    HWND MakeGLWindow(DWORD style, int x = 0, int y = 0, int width = 640, int height = 480);
    // A rendering context made current on the window.
    HGLRC MakeCurrentContext(HWND hWnd);
    // The SDL window of the current context.
    SDL_Window* CurrentNative() const { return SDL_GL_GetCurrentWindow(); }

    // The messages of one kind the test procedure received.
    std::vector<Delivered> Received(UINT message) const;

    std::unique_ptr<XSession> x;
};

// The program's own descriptor: double-buffered RGBA, 16 colour bits, 16 depth bits.
PIXELFORMATDESCRIPTOR ProgramDescriptor();

#endif  // TESSALINE_TESTS_SDL_SDL_LAYER_FIXTURE_H
