// The SDL services' own details that no end-to-end run reaches: the key
// codes, the repeat and release bits of a key message, and a key let go
// while no window has the focus.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/sdl/sdl_win32.h"
#include "shell/win32.h"
#include "tests/e2e/viewer.h"

namespace {

// A shown window, with its native window and so the keyboard focus, on an
// Xvfb display of the test's own.
HWND MakeWindow() {
    HWND hWnd = CreateWindowExA(0, "Test", "Test", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr, nullptr,
                                nullptr);
    SetPixelFormat(GetDC(hWnd), 1, nullptr);
    ShowWindow(hWnd, SW_SHOW);
    return hWnd;
}

class SdlServices : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("DISPLAY", (display = StartXvfb("1024x768x24", &server)).c_str(), 1);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "Test";
        RegisterClassA(&windowClass);
        hWnd = MakeWindow();
    }
    void TearDown() override {
        ShutdownSdlWin32();
        Stop(server);
    }
    std::string display;
    pid_t server = -1;
    HWND hWnd = nullptr;
};

// The next message the main loop would remove for this key, or an empty
// one after five seconds.
MSG Next(UINT message, WPARAM key) {
    MSG msg = {};
    for (int i = 0; i < 500; ++i, SDL_Delay(10))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message == message && msg.wParam == key) return msg;
    return MSG{};
}

TEST_F(SdlServices, KeysArePostedWithWindowsCodesAndTheirRepeatAndReleaseBits) {
    const struct {
        Uint32 type;
        SDL_Keycode key;
        WPARAM code;  // 0: nothing posted
        LPARAM lParam;
    } cases[] = {{SDL_KEYDOWN, SDLK_w, 'W', 1},         {SDL_KEYDOWN, SDLK_w, 'W', 0x40000001},
                 {SDL_KEYUP, SDLK_w, 'W', 0xC0000001},  {SDL_KEYDOWN, SDLK_a, 'A', 1},
                 {SDL_KEYDOWN, SDLK_z, 'Z', 1},         {SDL_KEYDOWN, SDLK_0, '0', 1},
                 {SDL_KEYDOWN, SDLK_9, '9', 1},         {SDL_KEYDOWN, SDLK_LEFT, 0x25, 1},
                 {SDL_KEYDOWN, SDLK_UP, 0x26, 1},       {SDL_KEYDOWN, SDLK_RIGHT, 0x27, 1},
                 {SDL_KEYDOWN, SDLK_DOWN, 0x28, 1},     {SDL_KEYDOWN, SDLK_ESCAPE, 0x1B, 1},
                 {SDL_KEYDOWN, SDLK_RETURN, 0x0D, 1},   {SDL_KEYUP, SDLK_KP_ENTER, 0x0D, 0xC0000001},
                 {SDL_KEYDOWN, SDLK_SPACE, 0x20, 1},    {SDL_KEYDOWN, SDLK_F1, 0x70, 1},
                 {SDL_KEYDOWN, SDLK_F12, 0x7B, 1},      {SDL_KEYDOWN, SDLK_LSHIFT, 0x10, 1},
                 {SDL_KEYDOWN, SDLK_RSHIFT, 0x10, 0x40000001}, {SDL_KEYDOWN, SDLK_RCTRL, 0x11, 1},
                 {SDL_KEYDOWN, SDLK_LALT, 0x12, 1},     {SDL_KEYDOWN, SDLK_KP_PLUS, 0, 0}};
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    for (const auto& c : cases) {
        SDL_Event event = {};
        event.key.type = c.type;
        event.key.keysym.sym = c.key;
        SDL_PushEvent(&event);
        msg = MSG{};
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        const UINT message = !c.code ? 0 : c.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP;
        EXPECT_TRUE(msg.message == message && msg.wParam == c.code && msg.lParam == c.lParam &&
                    msg.hwnd == (c.code ? hWnd : nullptr))
            << SDL_GetKeyName(c.key) << ": " << msg.message << ", " << msg.wParam << ", " << std::hex << msg.lParam;
    }
}

// As when F1, held, makes the viewer rebuild its window and is let go
// before the new window is made: the release still comes, with no window,
// and the next press is a first press, not an auto-repeat.
TEST_F(SdlServices, AKeyLetGoWhileNoWindowHasTheFocusIsReleasedAllTheSame) {
    Xdotool(display, "keydown F1");
    ASSERT_EQ(Next(WM_KEYDOWN, VK_F1).lParam, 1);
    DestroyWindow(hWnd);
    Xdotool(display, "keyup F1");
    EXPECT_EQ(Next(WM_KEYUP, VK_F1).lParam, static_cast<LPARAM>(0xC0000001));
    EXPECT_FALSE(GetKeyState(VK_F1) & 0x80);
    hWnd = MakeWindow();
    Xdotool(display, "key F1");
    EXPECT_EQ(Next(WM_KEYDOWN, VK_F1).lParam, 1);
}

}  // namespace
