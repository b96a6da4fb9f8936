// Display modes. SDL changes a display's mode only together with a
// full-screen window, so a change is kept here and carried out by the next
// pop-up window (windows.cpp); giving the desktop its mode back takes the
// full-screen windows out of full screen.
#include "shell/sdl/state.h"

using namespace sdl_win32;

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA* lpDevMode, DWORD) {
    if (!lpDevMode) {
        state.fullscreenModeSet = false;
        for (auto& entry : state.windows) {
            SDL_Window* native = entry.second.native;
            if (native && (SDL_GetWindowFlags(native) & SDL_WINDOW_FULLSCREEN)) SDL_SetWindowFullscreen(native, 0);
        }
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (!StartVideo()) return DISP_CHANGE_FAILED;

    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return DISP_CHANGE_FAILED;
    int width = (lpDevMode->dmFields & DM_PELSWIDTH) ? static_cast<int>(lpDevMode->dmPelsWidth) : desktop.w;
    int height = (lpDevMode->dmFields & DM_PELSHEIGHT) ? static_cast<int>(lpDevMode->dmPelsHeight) : desktop.h;

    // A modern display keeps its colour depth (Windows itself emulates 16-bit
    // modes), so any size it offers is taken at its own depth.
    for (int i = 0, count = SDL_GetNumDisplayModes(0); i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) == 0 && mode.w == width && mode.h == height &&
            SDL_BITSPERPIXEL(mode.format) == SDL_BITSPERPIXEL(desktop.format)) {
            state.fullscreenMode = mode;
            state.fullscreenModeSet = true;
            return DISP_CHANGE_SUCCESSFUL;
        }
    }
    return DISP_CHANGE_BADMODE;
}
