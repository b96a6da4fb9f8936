// Tessaline's Win32 services in a web browser, on Emscripten and its HTML5
// API.
//
// The program is written once against shell/win32.h; here this layer
// provides it, and shell/web/gl/ the OpenGL 1.1 it draws with, on WebGL 1.
// WinMain runs as written: its loop never returns to the browser, so the
// layer gives the browser its turn inside SwapBuffers and MessageBoxA
// (Asyncify), where the page's events are taken in and posted as messages.
// All of its state is one struct, web_win32::State (state.h); its files are
// split by concern: windows.cpp, messages.cpp, touch.cpp, message_box.cpp,
// display_mode.cpp, pixel_format.cpp, cursor_keys.cpp, main.cpp, and this one
// for the module and stock resources.
//
// Provided, and how:
//  [X] One window class and one window at a time. The window is a <canvas>
//      of its client size, made by CreateWindowExA (which sends WM_NCCREATE,
//      WM_CREATE and WM_SIZE before it returns) and shown by ShowWindow; its
//      title is the page's. The page shows it at that size in CSS pixels
//      where it fits, otherwise as the largest box of its aspect that fits
//      the screen (a phone's). AdjustWindowRectEx adds nothing: the page
//      draws no frame.
//  [X] Messages: keydown and keyup on the canvas are posted as WM_KEYDOWN
//      and WM_KEYUP with Windows virtual-key codes (letters, digits, arrows,
//      Escape, Return, Space, F1-F12, Shift, Control, Alt), bit 30 of lParam
//      set on auto-repeats. A key's release waits until a SwapBuffers, the end
//      of an idle pass, has followed its press, so that the loop sees every
//      press held at least once, however short. The arrows, Space and F1 do nothing else (no
//      scrolling, no browser help) while the canvas has the focus. Focus and
//      blur post WM_ACTIVATE; a hidden tab posts it with the minimised flag
//      in the high word, so nothing is drawn. WM_QUIT comes after the
//      messages already waiting.
//  [X] GetKeyState: the keys of the key messages removed so far, 0x80 while
//      held.
//  [X] The pointer: as no page may read or move the system's pointer,
//      GetCursorPos and SetCursorPos work on a virtual one, which starts at
//      the window's centre and is moved by the pointer lock's movementX and
//      movementY, so a move turns the view exactly as on X11. The lock is
//      asked for on a click into the canvas (browsers grant it only on a user
//      gesture); without it the pointer is free and the view still.
//      ShowCursor keeps Windows' display counter and hides the canvas's
//      cursor while it is below zero.
//  [X] Fingers, on touch screens (touch.cpp): a finger that comes down on
//      the view moves the virtual pointer by its motion in canvas pixels
//      (CSS pixels scaled to the frame as shown, fractions carried over), as
//      the pointer lock's motion does. The page's on-screen controls, shown
//      only on touch screens or once a touch is seen, are held keys while a
//      finger is on them: "Forward" W, "Back" S, "Left" A, "Right" D, "Rise"
//      E, "Full screen" F1, "Quit" Escape, posted as the keyboard's are. Each
//      finger is followed by its id; the browser's gestures (scrolling,
//      zooming, the long-press menu, a tap's click) are kept off the view.
//  [X] MessageBoxA: an HTML <dialog> with the caption, the text (its line
//      breaks shown) and the buttons of the style, named "Yes" and "No", or
//      "OK". Return presses the default button (OK, Yes), Escape answers No
//      (OK in an OK box). It returns only once a button is pressed.
//  [X] ChangeDisplaySettingsA(640 x 480, CDS_FULLSCREEN) takes the canvas
//      full screen with the Fullscreen API, scaled to fill the screen and
//      keeping its aspect, and turns a phone sideways where the browser lets
//      it; where the browser refuses, it fails. Asked by a finger on a
//      control, a refusal is asked again as the finger lifts, when phones
//      grant it. The reset call leaves full screen.
//  [X] The page installs (its manifest, icons and service worker, which
//      keeps its files, so that once seen it starts without a network).
//  [X] wglCreateContext makes a WebGL 1 context on the canvas: no alpha, no
//      antialiasing, a depth buffer. SwapBuffers presents the frame and waits
//      for the browser's next animation frame, as a swap interval of 1 does.
//  [X] When WinMain returns, the page says so, with its exit code, and offers
//      to start it again (main.cpp).
//
// Not provided:
//  [ ] More than one window or class at a time; message filters; WM_CHAR and
//      scan codes; CREATESTRUCT; screen device contexts; message-box button
//      sets other than OK and Yes/No (answered 0).
//  [ ] Closing: a page has no close box, and closing the tab ends everything
//      at once, so no WM_CLOSE is ever sent.
//  [ ] Colour depths: the display mode's bits per pixel are not looked at.
//  [ ] The first Escape while the pointer is locked belongs to the browser:
//      it releases the lock, and only the next one reaches the program.
//  [ ] Full screen where the browser gives none to a page's element (an
//      iPhone's): the program's question for a window comes instead.
#include "shell/web/state.h"

namespace web_win32 {

State state;
char windowHandle, dcHandle, contextHandle;

namespace {

// Stand-ins for the module and stock resources; only their identity matters.
char moduleInstance;
char stockIcon;
char stockCursor;

}  // namespace
}  // namespace web_win32

using namespace web_win32;

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName) return nullptr;
    return reinterpret_cast<HMODULE>(&moduleInstance);
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    if (hInstance || lpIconName != IDI_WINLOGO) return nullptr;
    return reinterpret_cast<HICON>(&stockIcon);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (hInstance || lpCursorName != IDC_ARROW) return nullptr;
    return reinterpret_cast<HCURSOR>(&stockCursor);
}
