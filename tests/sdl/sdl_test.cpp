// The SDL services' own details that no end-to-end run reaches: the key
// codes, the repeat and release bits of a key message, and a key let go
// while no window has the focus. Each test runs on an X display of its own.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/sdl/key_codes.h"
#include "shell/sdl/sdl_win32.h"
#include "shell/shell.h"

namespace {

TEST(SdlServices, KeysHaveTheirWindowsCodes) {
    // 0: nothing posted.
    const std::pair<SDL_Keycode, int> cases[] = {{SDLK_w, 'W'}, {SDLK_a, 'A'}, {SDLK_z, 'Z'}, {SDLK_0, '0'},
        {SDLK_9, '9'}, {SDLK_LEFT, 0x25}, {SDLK_UP, 0x26}, {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28}, {SDLK_ESCAPE, 0x1B},
        {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_SPACE, 0x20}, {SDLK_F1, 0x70}, {SDLK_F12, 0x7B},
        {SDLK_LSHIFT, 0x10}, {SDLK_RSHIFT, 0x10}, {SDLK_RCTRL, 0x11}, {SDLK_LALT, 0x12}, {SDLK_KP_PLUS, 0}};
    for (const auto& [key, code] : cases) EXPECT_EQ(sdl_win32::VirtualKeyOf(key), code) << SDL_GetKeyName(key);
}

// Presses or lets go of F1 and gives back the lParam of the message it
// posts, to the window given; -1 after five seconds without one.
LPARAM F1Message(const char* action, UINT message, HWND hWnd) {
    MSG msg = {};
    if (std::system((std::string("xdotool ") + action + " F1").c_str()) != 0) return -1;
    for (int i = 0; i < 500; ++i, SDL_Delay(10))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.wParam == VK_F1) return msg.message == message && msg.hwnd == hWnd ? msg.lParam : -1;
    return -1;
}

// As when F1, held, makes the viewer rebuild its window (the program's own
// GL window) before SDL has taken the focus for it, and is let go before the
// new window is made: the release still comes, with no window, and the next
// press is a first press, though SDL, which never heard the release, calls
// it a repeat. The keys reach the window under the pointer, which SDL does
// not count as focused.
TEST(SdlServices, KeyMessagesSayWhetherTheKeyWasDownEvenWithNoWindowToHearTheRelease) {
    ASSERT_TRUE(CreateGLWindow("Test", 640, 480, 16, false));
    ASSERT_EQ(std::system("xdotool mousemove 100 100 windowfocus 1"), 0);  // PointerRoot
    MSG msg = {};
    for (int i = 0; i < 500 && SDL_GetKeyboardFocus(); ++i, SDL_Delay(10)) PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    ASSERT_FALSE(SDL_GetKeyboardFocus()) << "SDL still counts the window as focused";
    EXPECT_EQ(F1Message("keydown", WM_KEYDOWN, hWnd), 1);
    EXPECT_EQ(F1Message("keydown", WM_KEYDOWN, hWnd), 0x40000001);
    SwapBuffers(hDC);  // the idle pass before the rebuild, which lets the release through
    KillGLWindow();
    EXPECT_EQ(F1Message("keyup", WM_KEYUP, nullptr), 0xC0000001);
    ASSERT_TRUE(CreateGLWindow("Test", 640, 480, 16, false));
    EXPECT_EQ(F1Message("keydown", WM_KEYDOWN, hWnd), 1);
    ShutdownSdlWin32();
}

}  // namespace
