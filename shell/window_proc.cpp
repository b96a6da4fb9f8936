// The window procedure of the class "OpenGL": keeps `active`, resizes the
// viewport, turns closing and Escape into a quit request, refuses the screen
// saver, and keeps the held-key table that the main loop reads for F1.
#include "render/render.h"
#include "shell/shell.h"

bool active = true;
bool keys[256];

// The handle is the one the message came with: the global hWnd is still
// null while CreateWindowExA sends its first messages.
LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_ACTIVATE:
        // The high word is non-zero while the window is minimised.
        active = HIWORD(wParam) == 0;
        return 0;

    case WM_SYSCOMMAND:
        // No screen saver and no monitor power-down while the viewer runs.
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
        break;

    case WM_CLOSE:
        // The window itself goes in KillGLWindow, once the loop has ended.
        PostQuitMessage(0);
        return 0;

    case WM_KEYDOWN:
        // Only the first key-down of a press counts (bit 30 marks an
        // auto-repeat): a held F1 must toggle full screen once, not on
        // every repeat.
        if (wParam < 256 && (lParam & 0x40000000) == 0) keys[wParam] = true;
        if (wParam == VK_ESCAPE) PostQuitMessage(0);
        break;

    case WM_KEYUP:
        if (wParam < 256) keys[wParam] = false;
        return 0;

    case WM_SIZE:
        ReSizeGLScene(LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
