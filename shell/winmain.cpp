// The program's entry: the start-up question, the window, the loop, the
// teardown. Exit codes: 0 when the user quits, 1 when the window cannot be
// created.
#include "camera/camera.h"
#include "camera/keyboard.h"
#include "render/render.h"
#include "shell/shell.h"

namespace {

const char* const TITLE = "Tessaline - By Odrenko";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MSG msg = {};
    BOOL quit = FALSE;

    // Start-up: windowed or full screen, then the window.
    if (MessageBoxA(nullptr, "Would You Like To Run In Fullscreen Mode?\n  This Program Is Written By Odrenko.\n",
                    "Start FullScreen?", MB_YESNO | MB_ICONQUESTION) == IDNO) {
        fullscreen = false;
        ShowCursor(FALSE);
    }
    // Without a window there is nothing to run: say so to the caller.
    if (!CreateGLWindow(TITLE, 640, 480, 16, fullscreen)) return 1;

    // The loop never waits: each pass handles one message, or, when none is
    // waiting, polls the keyboard and the mouse, draws and swaps.
    while (!quit) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = TRUE;
            } else {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else {
            Keyboard_Input();
            objCamera.Mouse_Move(640, 480);

            // A minimised window is not drawn, but still swapped.
            if ((active && !DrawGLScene()) || keys[VK_ESCAPE]) {
                quit = TRUE;
            } else {
                SwapBuffers(hDC);
            }

            // F1 swaps full screen and windowed mode through a new window.
            if (keys[VK_F1]) {
                keys[VK_F1] = false;
                KillGLWindow();
                fullscreen = !fullscreen;
                if (!CreateGLWindow(TITLE, 640, 480, 16, fullscreen)) return 1;
            }
        }
    }

    // Teardown; the quit message carries the exit code.
    KillGLWindow();
    return static_cast<int>(msg.wParam);
}
