// The GL window: everything the program needs to draw, acquired in a fixed
// order by CreateGLWindow and given back by KillGLWindow, the one release
// path, which copes with whatever exists.
#include <cstring>

#include "render/render.h"
#include "shell/shell.h"

bool fullscreen = true;
HINSTANCE hInstance = nullptr;
HWND hWnd = nullptr;
HDC hDC = nullptr;
HGLRC hRC = nullptr;

namespace {

// A creation step failed: give back what exists, then say which step.
BOOL CreationFailed(const char* text) {
    KillGLWindow();
    MessageBoxA(nullptr, text, "ERROR", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void ShutdownError(const char* text) {
    MessageBoxA(nullptr, text, "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

BOOL CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag) {
    // One descriptor for the whole process: the first window that gets as
    // far as its device context fixes the colour depth for every later one.
    static PIXELFORMATDESCRIPTOR pfd = {
        sizeof(PIXELFORMATDESCRIPTOR), 1, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER, PFD_TYPE_RGBA,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    static bool pfdFilled = false;

    RECT windowRect = {0, 0, width, height};
    fullscreen = fullscreenflag;
    hInstance = GetModuleHandleA(nullptr);

    WNDCLASSA windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = WndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = hInstance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = "OpenGL";
    if (!RegisterClassA(&windowClass)) {
        MessageBoxA(nullptr, "Failed To Register The Window Class.", "ERROR", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }

    if (fullscreen) {
        DEVMODEA displayMode;
        memset(&displayMode, 0, sizeof(displayMode));
        displayMode.dmSize = sizeof(displayMode);
        displayMode.dmPelsWidth = width;
        displayMode.dmPelsHeight = height;
        displayMode.dmBitsPerPel = bits;
        displayMode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;

        if (ChangeDisplaySettingsA(&displayMode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) {
            if (MessageBoxA(nullptr,
                            "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
                            "Instead?",
                            "OPENGL", MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
                fullscreen = false;
            } else {
                MessageBoxA(nullptr, "Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
                return FALSE;
            }
        }
    }

    DWORD dwExStyle;
    DWORD dwStyle;
    if (fullscreen) {
        dwExStyle = WS_EX_APPWINDOW;
        dwStyle = WS_POPUP;
        ShowCursor(FALSE);
    } else {
        // The cursor is left alone here: the start-up question hides it when
        // windowed mode was chosen from the start.
        dwExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
        dwStyle = WS_OVERLAPPEDWINDOW;
    }
    AdjustWindowRectEx(&windowRect, dwStyle, FALSE, dwExStyle);

    hWnd = CreateWindowExA(dwExStyle, "OpenGL", title, dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                           windowRect.right - windowRect.left, windowRect.bottom - windowRect.top, nullptr, nullptr,
                           hInstance, nullptr);
    if (!hWnd) return CreationFailed("Window Creation Error.");

    if (!pfdFilled) {
        pfd.cColorBits = static_cast<BYTE>(bits);  // the field is one byte
        pfd.cRedBits = pfd.cRedShift = pfd.cGreenBits = pfd.cGreenShift = 0;
        pfd.cBlueBits = pfd.cBlueShift = pfd.cAlphaBits = pfd.cAlphaShift = 0;
        pfd.cAccumBits = pfd.cAccumRedBits = pfd.cAccumGreenBits = pfd.cAccumBlueBits = pfd.cAccumAlphaBits = 0;
        pfd.cDepthBits = 16;
        pfd.cStencilBits = 0;
        pfd.cAuxBuffers = 0;
        pfd.iLayerType = PFD_MAIN_PLANE;
        pfd.bReserved = 0;
        pfd.dwLayerMask = pfd.dwVisibleMask = pfd.dwDamageMask = 0;
        pfdFilled = true;
    }

    if (!(hDC = GetDC(hWnd))) return CreationFailed("Can't Create A GL Device Context.");

    int formatIndex = ChoosePixelFormat(hDC, &pfd);
    if (!formatIndex) return CreationFailed("Can't Find A Suitable PixelFormat.");
    if (!SetPixelFormat(hDC, formatIndex, &pfd)) return CreationFailed("Can't Set The PixelFormat.");

    if (!(hRC = wglCreateContext(hDC))) return CreationFailed("Can't Create A GL Rendering Context.");
    if (!wglMakeCurrent(hDC, hRC)) return CreationFailed("Can't Activate The GL Rendering Context.");

    ShowWindow(hWnd, SW_SHOW);
    SetForegroundWindow(hWnd);
    SetFocus(hWnd);

    // The requested client size, not the adjusted outer rectangle.
    ReSizeGLScene(width, height);
    if (!InitGL()) return CreationFailed("Initialization Failed.");

    return TRUE;
}

// Every handle is cleared once its release has been tried, failed or not, so
// a second call never releases anything twice.
void KillGLWindow() {
    if (fullscreen) {
        ChangeDisplaySettingsA(nullptr, 0);
        ShowCursor(TRUE);
    }

    if (hRC) {
        if (!wglMakeCurrent(nullptr, nullptr)) ShutdownError("Release Of DC And RC Failed.");
        if (!wglDeleteContext(hRC)) ShutdownError("Release Rendering Context Failed.");
        hRC = nullptr;
    }

    if (hDC) {
        if (!ReleaseDC(hWnd, hDC)) ShutdownError("Release Device Context Failed.");
        hDC = nullptr;
    }

    if (hWnd) {
        if (!DestroyWindow(hWnd)) ShutdownError("Could Not Release hWnd.");
        hWnd = nullptr;
    }

    if (!UnregisterClassA("OpenGL", hInstance)) ShutdownError("Could Not Unregister Class.");
    hInstance = nullptr;
}
