// The program's calls to the services it makes in a pass arrive here first
// (the link renames them: --wrap, see CMakeLists.txt) and go on to the
// scripted Win32 uncounted: its logging and bookkeeping are the stand-in's
// allocations, not the program's.
#include "shell/win32.h"
#include "tests/support/heap_watch.h"

extern "C" {

BOOL WINAPI __real_PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT remove);
BOOL WINAPI __real_TranslateMessage(const MSG* message);
LRESULT WINAPI __real_DispatchMessageA(const MSG* message);
LRESULT WINAPI __real_DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void WINAPI __real_PostQuitMessage(int exitCode);
SHORT WINAPI __real_GetKeyState(int key);
BOOL WINAPI __real_GetCursorPos(LPPOINT point);
BOOL WINAPI __real_SetCursorPos(int x, int y);
BOOL WINAPI __real_SwapBuffers(HDC dc);

BOOL WINAPI __wrap_PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT remove) {
    heap_watch::Uncounted uncounted;
    return __real_PeekMessageA(message, window, first, last, remove);
}

BOOL WINAPI __wrap_TranslateMessage(const MSG* message) {
    heap_watch::Uncounted uncounted;
    return __real_TranslateMessage(message);
}

LRESULT WINAPI __wrap_DispatchMessageA(const MSG* message) {
    heap_watch::Uncounted uncounted;
    return __real_DispatchMessageA(message);
}

LRESULT WINAPI __wrap_DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    heap_watch::Uncounted uncounted;
    return __real_DefWindowProcA(window, message, wParam, lParam);
}

void WINAPI __wrap_PostQuitMessage(int exitCode) {
    heap_watch::Uncounted uncounted;
    __real_PostQuitMessage(exitCode);
}

SHORT WINAPI __wrap_GetKeyState(int key) {
    heap_watch::Uncounted uncounted;
    return __real_GetKeyState(key);
}

BOOL WINAPI __wrap_GetCursorPos(LPPOINT point) {
    heap_watch::Uncounted uncounted;
    return __real_GetCursorPos(point);
}

BOOL WINAPI __wrap_SetCursorPos(int x, int y) {
    heap_watch::Uncounted uncounted;
    return __real_SetCursorPos(x, y);
}

BOOL WINAPI __wrap_SwapBuffers(HDC dc) {
    heap_watch::Uncounted uncounted;
    return __real_SwapBuffers(dc);
}

}  // extern "C"
