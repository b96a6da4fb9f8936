// Display modes: a page cannot change the screen's mode, but it can go full
// screen. The mode is asked for before the window exists, as on Windows, so
// what goes full screen is the page's frame for the window, in which the
// canvas is scaled to fill the screen with its aspect kept (the page's
// style). The browser may refuse.
#include <emscripten.h>

#include "shell/web/state.h"

namespace web_win32 {
namespace {

EM_ASYNC_JS(int, EnterFullScreen, (), {
    try {
        await document.getElementById("window").requestFullscreen();
        return 1;
    } catch (refused) {
        return 0;
    }
});

EM_ASYNC_JS(void, LeaveFullScreen, (), {
    if (document.fullscreenElement) await document.exitFullscreen();
});

}  // namespace
}  // namespace web_win32

using namespace web_win32;

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA* lpDevMode, DWORD dwFlags) {
    if (!lpDevMode) {
        LeaveFullScreen();
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (dwFlags != CDS_FULLSCREEN || lpDevMode->dmPelsWidth != 640 || lpDevMode->dmPelsHeight != 480)
        return DISP_CHANGE_BADMODE;
    return EnterFullScreen() ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_FAILED;
}
