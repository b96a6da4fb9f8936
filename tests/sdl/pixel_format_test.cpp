// Pixel formats, rendering contexts, presentation and their release.
#include "tests/sdl/sdl_layer_fixture.h"

using PixelFormats = SdlLayerTest;
using RenderingContexts = SdlLayerTest;

TEST_F(PixelFormats, ADescriptorIsHonouredOrRefused) {
    HWND hWnd = MakeWindow(WS_OVERLAPPEDWINDOW);
    HDC hDC = GetDC(hWnd);
    struct Case {
        const char* what;
        void (*change)(PIXELFORMATDESCRIPTOR&);
        bool offered;
    };
    const Case cases[] = {
        {"the program's own", [](PIXELFORMATDESCRIPTOR&) {}, true},
        {"24 depth bits", [](PIXELFORMATDESCRIPTOR& p) { p.cDepthBits = 24; }, true},
        {"32 colour bits", [](PIXELFORMATDESCRIPTOR& p) { p.cColorBits = 32; }, true},
        {"32 depth bits", [](PIXELFORMATDESCRIPTOR& p) { p.cDepthBits = 32; }, false},
        {"colour index", [](PIXELFORMATDESCRIPTOR& p) { p.iPixelType = 1; }, false},
        {"no OpenGL", [](PIXELFORMATDESCRIPTOR& p) { p.dwFlags &= ~PFD_SUPPORT_OPENGL; }, false},
        {"not for a window", [](PIXELFORMATDESCRIPTOR& p) { p.dwFlags &= ~PFD_DRAW_TO_WINDOW; }, false},
        {"a stencil", [](PIXELFORMATDESCRIPTOR& p) { p.cStencilBits = 8; }, false},
        {"alpha", [](PIXELFORMATDESCRIPTOR& p) { p.cAlphaBits = 8; }, false},
        {"accumulation", [](PIXELFORMATDESCRIPTOR& p) { p.cAccumBits = 32; }, false},
    };
    for (const Case& c : cases) {
        PIXELFORMATDESCRIPTOR pfd = ProgramDescriptor();
        c.change(pfd);
        EXPECT_EQ(ChoosePixelFormat(hDC, &pfd) != 0, c.offered) << c.what;
    }
    PIXELFORMATDESCRIPTOR pfd = ProgramDescriptor();
    EXPECT_EQ(ChoosePixelFormat(nullptr, &pfd), 0) << "no device context";
}

TEST_F(PixelFormats, AWindowsFormatIsSetOnce) {
    HWND hWnd = MakeWindow(WS_OVERLAPPEDWINDOW);
    HDC hDC = GetDC(hWnd);
    PIXELFORMATDESCRIPTOR pfd = ProgramDescriptor();
    int format = ChoosePixelFormat(hDC, &pfd);
    EXPECT_FALSE(SetPixelFormat(hDC, 0, &pfd));
    EXPECT_FALSE(SetPixelFormat(hDC, 99, &pfd));
    EXPECT_TRUE(SetPixelFormat(hDC, format, &pfd));
    EXPECT_FALSE(SetPixelFormat(hDC, format, &pfd));
}

TEST_F(RenderingContexts, NeedAPixelFormatAndAreNotCurrentUntilMadeSo) {
    HWND hWnd = MakeWindow(WS_OVERLAPPEDWINDOW);
    HDC hDC = GetDC(hWnd);
    EXPECT_EQ(wglCreateContext(hDC), nullptr);

    PIXELFORMATDESCRIPTOR pfd = ProgramDescriptor();
    ASSERT_TRUE(SetPixelFormat(hDC, ChoosePixelFormat(hDC, &pfd), &pfd));
    HGLRC hRC = wglCreateContext(hDC);
    ASSERT_NE(hRC, nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);

    ASSERT_TRUE(wglMakeCurrent(hDC, hRC));
    GLint depthBits = 0;
    GLboolean doubleBuffered = GL_FALSE;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_GE(depthBits, 16);
    EXPECT_TRUE(doubleBuffered);

    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_TRUE(wglDeleteContext(hRC));
    EXPECT_FALSE(wglDeleteContext(hRC));
    EXPECT_FALSE(wglMakeCurrent(hDC, hRC));
}

TEST_F(RenderingContexts, SwappingPresentsTheFrameDrawn) {
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW, 0, 0, 64, 48);
    MakeCurrentContext(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    ASSERT_NE(x->WaitForWindow("Test Window", 5), static_cast<::Window>(None));

    const GLfloat colours[][3] = {{1, 0, 0}, {0, 0, 1}};
    for (const auto& colour : colours) {
        glClearColor(colour[0], colour[1], colour[2], 1);
        glClear(GL_COLOR_BUFFER_BIT);
        EXPECT_TRUE(SwapBuffers(GetDC(hWnd)));
        glFinish();
        Rgb shown = x->Screenshot().At(32, 24);
        EXPECT_EQ(shown.r, colour[0] * 255);
        EXPECT_EQ(shown.b, colour[2] * 255);
    }
}

TEST_F(RenderingContexts, TheProgramsTeardownReleasesEverythingOnceAndASecondReleasesNothing) {
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW);
    HDC hDC = GetDC(hWnd);
    HGLRC hRC = MakeCurrentContext(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    ::Window window = x->WaitForWindow("Test Window", 5);
    SDL_Window* native = CurrentNative();
    Uint32 nativeID = SDL_GetWindowID(native);

    // In the order the program releases them, twice over.
    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_TRUE(wglDeleteContext(hRC));
    EXPECT_EQ(ReleaseDC(hWnd, hDC), 1);
    EXPECT_TRUE(DestroyWindow(hWnd));
    EXPECT_TRUE(UnregisterClassA("Test", GetModuleHandleA(nullptr)));

    EXPECT_FALSE(wglDeleteContext(hRC));
    EXPECT_EQ(ReleaseDC(hWnd, hDC), 0);
    EXPECT_FALSE(DestroyWindow(hWnd));
    EXPECT_FALSE(UnregisterClassA("Test", GetModuleHandleA(nullptr)));

    EXPECT_EQ(SDL_GetWindowFromID(nativeID), nullptr);
    EXPECT_FALSE(x->Exists(window));
}
