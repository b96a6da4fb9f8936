// Two hundred windows made and given back through the SDL services by the
// program's own CreateGLWindow and KillGLWindow, in turns windowed and full
// screen, each drawing and presenting a frame and handling its messages.
// Afterwards the process has no more files open and the display no more
// windows than before, and the heap has grown no more than it grows for as
// many windows made with SDL alone. The libraries keep a little for every
// window, theirs to keep: Xlib a record for each of the two colormaps SDL
// makes for a GL window and never frees, GLVND an entry for each drawable
// it has presented.
#include <gtest/gtest.h>  // before Xlib, whose macros None and Bool it would trip on

#include <SDL2/SDL.h>
#include <X11/Xlib.h>
#include <dirent.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "render/render.h"
#include "shell/sdl/sdl_win32.h"
#include "shell/shell.h"
#include "tests/support/heap_watch.h"
#include "tests/e2e/support/virtual_display.h"

namespace {

const int CYCLES = 200;
const int BARE_CYCLES = 40;  // enough to price what the libraries keep per window
const int WARM_UP = 4;

int OpenFiles() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir)) ++count;
        closedir(dir);
    }
    return count;
}

int WindowsUnder(Display* display, ::Window window) {
    ::Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return 0;
    int windows = 1;
    for (unsigned int i = 0; i < count; ++i) windows += WindowsUnder(display, children[i]);
    if (children) XFree(children);
    return windows;
}

void HandleMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// One window of the program's, as the viewer makes it and as F1 remakes it.
void ProgramCycle(bool fullScreen) {
    ASSERT_TRUE(CreateGLWindow("Tessaline - By Odrenko", 640, 480, 16, fullScreen));
    HandleMessages();
    DrawGLScene();
    SwapBuffers(hDC);
    KillGLWindow();
}

// The same window, context and frame made with SDL alone.
void BareCycle(bool fullScreen) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | (fullScreen ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_RESIZABLE);
    SDL_Window* window = SDL_CreateWindow("Bare", 0, 0, 640, 480, flags);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    if (fullScreen) {
        SDL_DisplayMode wanted = {0, 640, 480, 0, nullptr}, mode;
        ASSERT_NE(SDL_GetClosestDisplayMode(0, &wanted, &mode), nullptr);
        SDL_SetWindowDisplayMode(window, &mode);
    }
    SDL_ShowWindow(window);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    ASSERT_NE(context, nullptr) << SDL_GetError();
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_SetSwapInterval(1);
    ReSizeGLScene(640, 480);
    InitGL();
    for (SDL_Event event; SDL_PollEvent(&event);) {
    }
    DrawGLScene();
    SDL_GL_SwapWindow(window);
    if (fullScreen) SDL_SetWindowFullscreen(window, 0);
    SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
}

// Bytes kept per cycle: the least-squares slope of the heap in use after
// each cycle, so that what a single cycle happens to hold at the moment
// (an event not yet read, a buffer about to go) does not count.
double HeapSlope(int cycles, const std::function<void(int)>& cycle) {
    std::vector<double> heap;
    for (int i = 0; i < cycles && !::testing::Test::HasFatalFailure(); ++i) {
        cycle(i);
        heap.push_back(static_cast<double>(heap_watch::LiveBytes()));
    }
    double n = heap.size(), meanX = (n - 1) / 2, meanY = 0;
    for (double y : heap) meanY += y / n;
    double covariance = 0, variance = 0;
    for (size_t i = 0; i < heap.size(); ++i) {
        covariance += (i - meanX) * (heap[i] - meanY);
        variance += (i - meanX) * (i - meanX);
    }
    return covariance / variance;
}

struct Holdings {
    int files;
    int windows;
};

class WindowCycles : public ::testing::Test {
protected:
    void SetUp() override {
        display.reset(new VirtualDisplay("640x480x24"));  // offers 640 x 480 for full screen
        ASSERT_TRUE(display->Started());
        setenv("DISPLAY", display->Name().c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        x = XOpenDisplay(display->Name().c_str());
        ASSERT_NE(x, nullptr);
    }
    void TearDown() override {
        ShutdownSdlWin32();
        if (x) XCloseDisplay(x);
        display.reset();
    }
    Holdings Now() { return Holdings{OpenFiles(), WindowsUnder(x, DefaultRootWindow(x))}; }

    std::unique_ptr<VirtualDisplay> display;
    Display* x = nullptr;
};

TEST_F(WindowCycles, TwoHundredWindowsLeaveNoFileWindowOrMemoryBehind) {
    for (int cycle = 0; cycle < WARM_UP; ++cycle) ProgramCycle(cycle % 2);
    ASSERT_FALSE(HasFatalFailure());
    Holdings before = Now();

    // The counts see a window while one exists.
    ASSERT_TRUE(CreateGLWindow("Tessaline - By Odrenko", 640, 480, 16, false));
    EXPECT_GT(Now().windows, before.windows);
    KillGLWindow();

    double grownPerWindow = HeapSlope(CYCLES, [](int cycle) { ProgramCycle(cycle % 2); });
    Holdings after = Now();

    // What SDL and the libraries under it keep for as many windows.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    for (int cycle = 0; cycle < WARM_UP; ++cycle) BareCycle(cycle % 2);
    double keptPerWindow = HeapSlope(BARE_CYCLES, [](int cycle) { BareCycle(cycle % 2); });
    SDL_QuitSubSystem(SDL_INIT_VIDEO);

    EXPECT_EQ(after.files, before.files);
    EXPECT_EQ(after.windows, before.windows);
    RecordProperty("heap_bytes_per_window", static_cast<int>(grownPerWindow));
    RecordProperty("sdl_alone_bytes_per_window", static_cast<int>(keptPerWindow));
    // A block of the smallest size left behind per window would add 24.
    EXPECT_LT(grownPerWindow, keptPerWindow + 16) << "SDL alone keeps " << keptPerWindow << " bytes a window";
}

}  // namespace
