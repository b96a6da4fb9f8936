// Display modes of the scripted Win32: the desktop's own, or one of those on
// offer in the script.
#include <algorithm>

#include "tests/support/log_format.h"
#include "tests/support/scripted_win32.h"

LONG WINAPI ChangeDisplaySettingsA(DEVMODEA* lpDevMode, DWORD dwFlags) {
    std::string mode = "null";
    if (lpDevMode)
        mode = "{size " + std::to_string(lpDevMode->dmSize) + ", fields " + Hex(lpDevMode->dmFields) + ", " +
               std::to_string(lpDevMode->dmPelsWidth) + " x " + std::to_string(lpDevMode->dmPelsHeight) + " x " +
               std::to_string(lpDevMode->dmBitsPerPel) + "}";
    if (scripted.Call("ChangeDisplaySettingsA", Join({mode, Hex(dwFlags)}))) return DISP_CHANGE_FAILED;

    if (!lpDevMode) {
        scripted.display = scripted.desktop;
        return DISP_CHANGE_SUCCESSFUL;
    }
    scripted.requestedMode = *lpDevMode;
    DisplayMode asked = {lpDevMode->dmPelsWidth, lpDevMode->dmPelsHeight, lpDevMode->dmBitsPerPel};
    const auto& offered = scripted.displayModes;
    if (std::find(offered.begin(), offered.end(), asked) == offered.end()) return DISP_CHANGE_BADMODE;
    scripted.display = asked;
    return DISP_CHANGE_SUCCESSFUL;
}
