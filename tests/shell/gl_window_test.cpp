// Creation's records, and its last failure. InitGL never fails; in this
// binary a renderer that refuses takes its place (the linker then never needs
// render/'s). Alone in its process: the pixel format descriptor is filled
// once per process, by the first window that gets past its creation.
#include <cstring>

#include <gtest/gtest.h>

#include "render/render.h"
#include "shell/shell.h"
#include "tests/support/scripted_win32.h"

int InitGL() { return FALSE; }
void ReSizeGLScene(int, int) {}

TEST(GLWindow, RecordsHoldWhatWasAskedForAndAFailedInitialisationGivesAllBack) {
    scripted.failing = "CreateWindowExA";
    scripted.nth = 1;
    EXPECT_FALSE(CreateGLWindow("Tessaline", 640, 480, 24, false));  // before the descriptor's turn
    EXPECT_FALSE(CreateGLWindow("Tessaline", 640, 480, 0x120, false));
    EXPECT_FALSE(CreateGLWindow("Tessaline", 800, 600, 16, true));

    EXPECT_EQ(scripted.boxes.back(), "ERROR|Initialization Failed.|48");
    EXPECT_TRUE(!hWnd && !hDC && !hRC && !hInstance && scripted.live.empty());
    const WNDCLASSA& c = scripted.windowClass;
    EXPECT_TRUE(c.style == 0x23 && c.lpfnWndProc == WndProc && c.hInstance && c.hIcon && c.hCursor);
    // Size 156, fields 0x1C0000, 16 bits, 800 x 600; everything else zero.
    const DEVMODEA mode = {{}, 0, 0,  156, 0, 0x1C0000, {}, 0, 0, 0, 0, 0, {}, 0,
                           16, 800, 600, {}, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&scripted.mode, &mode, sizeof mode), 0);
    // The colour bits of the first window past creation, cut to one byte.
    const PIXELFORMATDESCRIPTOR pfd = {40, 1, 0x25, 0, 0x20, 0, 0, 0, 0, 0, 0, 0, 0,  // through the alpha shift
                                       0,  0, 0,    0, 0,    16, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&scripted.pfd, &pfd, sizeof pfd), 0);
}
