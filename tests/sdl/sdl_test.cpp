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

// A shown window, with its native window and so the keyboard focus.
HWND MakeWindow() {
    HWND hWnd = CreateWindowExA(0, "Test", "Test", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr, nullptr,
                                nullptr);
    SetPixelFormat(GetDC(hWnd), 1, nullptr);
    ShowWindow(hWnd, SW_SHOW);
    return hWnd;
}

// The next message the main loop would remove for this key, or an empty
// one after five seconds.
MSG Next(WPARAM key) {
    MSG msg = {};
    for (int i = 0; i < 500; ++i, SDL_Delay(10))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.wParam == key) return msg;
    return MSG{};
}

// Each on an Xvfb display of its own, for the keyboard focus.
class SdlServices : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("DISPLAY", xvfb.display.c_str(), 1);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "Test";
        RegisterClassA(&windowClass);
        hWnd = MakeWindow();
    }
    void TearDown() override { ShutdownSdlWin32(); }
    Xvfb xvfb{"1024x768x24"};
    HWND hWnd = nullptr;
};

// A release is a key-up message; the bits say whether the key was down.
TEST_F(SdlServices, KeysArePostedWithWindowsCodesAndTheirRepeatAndReleaseBits) {
    const struct {
        SDL_Keycode key;
        WPARAM code;  // 0: nothing posted
        LPARAM lParam;
    } cases[] = {{SDLK_w, 'W', 1},          {SDLK_w, 'W', 0x40000001},      {SDLK_w, 'W', 0xC0000001},
                 {SDLK_a, 'A', 1},          {SDLK_z, 'Z', 1},               {SDLK_0, '0', 1},
                 {SDLK_9, '9', 1},          {SDLK_LEFT, 0x25, 1},           {SDLK_UP, 0x26, 1},
                 {SDLK_RIGHT, 0x27, 1},     {SDLK_DOWN, 0x28, 1},           {SDLK_ESCAPE, 0x1B, 1},
                 {SDLK_RETURN, 0x0D, 1},    {SDLK_KP_ENTER, 0x0D, 0xC0000001}, {SDLK_SPACE, 0x20, 1},
                 {SDLK_F1, 0x70, 1},        {SDLK_F12, 0x7B, 1},            {SDLK_LSHIFT, 0x10, 1},
                 {SDLK_RSHIFT, 0x10, 0x40000001}, {SDLK_RCTRL, 0x11, 1},    {SDLK_LALT, 0x12, 1},
                 {SDLK_KP_PLUS, 0, 0}};
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    for (const auto& c : cases) {
        SDL_Event event = {};
        event.key.type = c.lParam & 0x80000000 ? SDL_KEYUP : SDL_KEYDOWN;
        event.key.keysym.sym = c.key;
        SDL_PushEvent(&event);
        msg = MSG{};
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        const UINT message = !c.code ? 0 : event.key.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP;
        EXPECT_TRUE(msg.message == message && msg.wParam == c.code && msg.lParam == c.lParam &&
                    msg.hwnd == (c.code ? hWnd : nullptr))
            << SDL_GetKeyName(c.key) << ": " << msg.message << ", " << msg.wParam << ", " << std::hex << msg.lParam;
    }
}

// As when F1, held, makes the viewer rebuild its window and is let go
// before the new window is made: the release still comes, with no window,
// and the next press is a first press, not an auto-repeat.
TEST_F(SdlServices, AKeyLetGoWhileNoWindowHasTheFocusIsReleasedAllTheSame) {
    xvfb.Xdotool("keydown F1");
    ASSERT_EQ(Next(VK_F1).lParam, 1);
    DestroyWindow(hWnd);
    xvfb.Xdotool("keyup F1");
    const MSG release = Next(VK_F1);
    EXPECT_TRUE(release.message == WM_KEYUP && release.lParam == static_cast<LPARAM>(0xC0000001));
    EXPECT_FALSE(GetKeyState(VK_F1) & 0x80);
    hWnd = MakeWindow();
    xvfb.Xdotool("key F1");
    EXPECT_EQ(Next(VK_F1).lParam, 1);
}

}  // namespace
