// Keyboard and cursor services of the scripted Win32.
#include <string>

#include "tests/support/scripted_win32.h"

SHORT WINAPI GetKeyState(int nVirtKey) {
    ++scripted.keyStateQueries;
    scripted.Call("GetKeyState", std::to_string(nVirtKey));
    bool down = nVirtKey >= 0 && nVirtKey < 256 && scripted.held[nVirtKey];
    // Windows sets the high bit for a held key; the program tests 0x80.
    return down ? static_cast<SHORT>(0xFF80) : 0;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (scripted.Call("GetCursorPos", "")) return FALSE;
    *lpPoint = scripted.cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
    if (scripted.Call("SetCursorPos", std::to_string(X) + ", " + std::to_string(Y))) return FALSE;
    scripted.cursorMoves.push_back(POINT{X, Y});
    scripted.cursor = POINT{X, Y};
    return TRUE;
}

// Windows keeps a display count: each hide lowers it, each show raises it,
// and the cursor shows while it is not negative.
int WINAPI ShowCursor(BOOL bShow) {
    scripted.Call("ShowCursor", std::to_string(bShow));
    scripted.cursorCount += bShow ? 1 : -1;
    return scripted.cursorCount;
}
