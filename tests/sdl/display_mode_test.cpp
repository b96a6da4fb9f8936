// Display modes: full screen on SDL.
#include "tests/sdl/sdl_layer_fixture.h"

using DisplayModes = SdlLayerTest;

namespace {

DEVMODEA Mode(DWORD width, DWORD height, DWORD bits) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return mode;
}

}  // namespace

TEST_F(DisplayModes, AnOfferedSizeIsTakenAtTheDisplaysDepthAndMakesTheNextPopUpFullScreen) {
    // The test display is 1024 x 768 at 24 bits; 16 bits are not switched to.
    DEVMODEA mode = Mode(1024, 768, 16);
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    HWND hWnd = MakeGLWindow(WS_POPUP, 0, 0, 1024, 768);
    MakeCurrentContext(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    EXPECT_TRUE(SDL_GetWindowFlags(CurrentNative()) & SDL_WINDOW_FULLSCREEN);

    EXPECT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_FALSE(SDL_GetWindowFlags(CurrentNative()) & SDL_WINDOW_FULLSCREEN);
}

TEST_F(DisplayModes, ASizeTheDisplayDoesNotOfferIsRefusedAndAPopUpStaysAWindow) {
    DEVMODEA mode = Mode(640, 480, 16);
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
    HWND hWnd = MakeGLWindow(WS_POPUP);
    MakeCurrentContext(hWnd);
    Uint32 flags = SDL_GetWindowFlags(CurrentNative());
    EXPECT_FALSE(flags & SDL_WINDOW_FULLSCREEN);
    EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
}
