// Keyboard and cursor services that answer from memory at no cost, so that
// the camera benchmarks time the camera and not a window system.
#include "bench/fixed_input.h"

FixedInput fixedInput;

SHORT WINAPI GetKeyState(int nVirtKey) { return fixedInput.held[nVirtKey & 0xFF] ? static_cast<SHORT>(0xFF80) : 0; }

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    *lpPoint = fixedInput.cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
    fixedInput.cursor = POINT{X, Y};
    return TRUE;
}
