// Display modes: a page cannot change the screen's mode, but it can go full
// screen. The mode is asked for before the window exists, as on Windows, so
// what goes full screen is the page's frame for the window, in which the
// canvas is scaled to fill the screen with its aspect kept (the page's
// style). The browser may refuse.
#include <emscripten.h>

#include "shell/web/state.h"

namespace web_win32 {
namespace {

// A touch lets a page go full screen only as its finger lifts (a key or a
// click, as it comes down), so a refusal while a finger holds a control is
// asked again at the lift. Where it is granted, a phone turns sideways, as
// the frame is.
EM_ASYNC_JS(int, EnterFullScreen, (), {
    var frame = document.getElementById("window");
    async function granted() {
        try {
            await frame.requestFullscreen();
            return true;
        } catch (refused) {
            return false;
        }
    }
    if (!await granted()) {
        if (!_FingerOnControl()) return 0;
        await new Promise(function(lifted) {
            addEventListener("pointerup", lifted, {once: true});
            addEventListener("pointercancel", lifted, {once: true});
        });
        if (!await granted()) return 0;
    }
    if (screen.orientation && screen.orientation.lock) screen.orientation.lock("landscape").catch(function() {});
    return 1;
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
