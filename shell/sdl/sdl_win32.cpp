// Tessaline's Win32 services on SDL2, for the Linux desktop.
//
// The program is written once against shell/win32.h. On Windows, Windows
// provides it; here this layer does, on SDL2's Wayland video driver where
// WAYLAND_DISPLAY names a compositor that answers, else on its X11 driver (a
// user's own SDL_VIDEODRIVER wins). All of its state is one struct,
// sdl_win32::State (state.h), but for the process's watch on the display
// server; its files are split by concern: windows.cpp, messages.cpp,
// message_box.cpp, display_mode.cpp, pixel_format.cpp, cursor_keys.cpp,
// pointer_lock.cpp, display_lost.cpp, and this one for start-up, shutdown
// and stock resources.
//
// Provided, and how:
//  [X] Window classes: a class table. A name registers once (names compare
//      without case, as on Windows); a class still used by a window does not
//      unregister.
//  [X] Windows: CreateWindowExA sends WM_NCCREATE, WM_CREATE and WM_SIZE to
//      the procedure, with the new handle, before it returns. The native SDL
//      window is made later, by SetPixelFormat, because an X11 window's visual
//      is fixed when it is made. WS_POPUP gives a border-less window, or a
//      full-screen one after a display-mode change; other styles a decorated,
//      resizable one. CreateWindowExA fails when there is no display.
//  [X] AdjustWindowRectEx adds nothing: the window manager draws any frame
//      outside the client area, so a window asked for at (0, 0) has its client
//      area's top-left there (unless the window manager moves it).
//  [X] Messages: PeekMessageA turns SDL's events into messages. Key presses and
//      releases are posted as WM_KEYDOWN/WM_KEYUP with Windows virtual-key
//      codes (letters, digits, arrows, Escape, Return, Space, F1-F12, Shift,
//      Control, Alt), bit 30 of lParam set on auto-repeats, and returned one at
//      a time. A key's release waits until a SwapBuffers, the end of an idle
//      pass, has followed its press, so that the loop sees every press held
//      at least once, however short. Activation, size changes and close requests are sent to the
//      procedure inside PeekMessageA, as Windows sends them: WM_ACTIVATE with
//      the minimised flag in the high word, WM_SIZE (0 x 0 with SIZE_MINIMIZED
//      on minimising, the client size otherwise), and a close request as
//      WM_SYSCOMMAND/SC_CLOSE, which DefWindowProcA turns into WM_CLOSE (and
//      WM_CLOSE into DestroyWindow). WM_QUIT comes after the messages already
//      waiting.
//  [X] Keys go to the window with the focus (SetFocus, or default processing
//      of WM_ACTIVATE). A key let go while no window has the focus, as when
//      F1 is held while the program rebuilds its window, still gets its
//      WM_KEYUP: until SDL has a focused window again the X server is asked
//      which keys are down, so the next press is not taken for a repeat. And
//      a key still down as its window goes is not let go by the release SDL
//      makes up then, so F1 held through the rebuild switches once, not once
//      for every window it makes.
//  [X] GetKeyState: the keys of the key messages removed so far, 0x80 while
//      held.
//  [X] MessageBoxA on SDL_ShowMessageBox: OK or Yes/No, with the nearest icon
//      SDL has (it has no question mark: information). Return answers the
//      default button (OK, Yes); Escape, or closing the box, answers No (OK in
//      an OK box). Where no box can be shown, the caption and text go to
//      standard error and the call returns 0: a failure never passes silently.
//      On Wayland SDL shows the box through zenity, or failing that as an X11
//      box where DISPLAY is set.
//  [X] ChangeDisplaySettingsA(mode, CDS_FULLSCREEN) succeeds when the display
//      offers the size, at the display's own colour depth. SDL changes modes
//      only with a full-screen window, so the next WS_POPUP window is made full
//      screen in that mode. ChangeDisplaySettingsA(NULL, 0) takes full-screen
//      windows back to the desktop's mode. A Wayland compositor changes no
//      modes: SDL offers emulated ones, and the frame is scaled to the output.
//  [X] Pixel formats: double-buffered RGBA window formats at the display's
//      colour depth, with 16 or 24 depth bits. ChoosePixelFormat fails where a
//      descriptor asks for more (colour index, no OpenGL, deeper depth, alpha,
//      stencil, accumulation or auxiliary buffers). A window's format is set
//      once.
//  [X] wglCreateContext, wglMakeCurrent (NULL, NULL releases), wglDeleteContext
//      on SDL's GL contexts; a new context is not left current. A context made
//      current swaps at the display's refresh (swap interval 1), so the
//      program's per-pass speeds give a steady pace and the loop idles.
//  [X] Cursor: GetCursorPos asks the X server where the pointer is on every
//      call (SDL's cached global mouse state misses synthetic motion);
//      SetCursorPos warps it; both in screen coordinates. ShowCursor keeps
//      Windows' display counter; the cursor is hidden over the program's
//      windows while it is below zero.
//  [X] Cursor on Wayland, where no client reads or moves the pointer: a
//      virtual pointer that SetCursorPos sets and GetCursorPos reads, moved by
//      relative motion while a window has the focus and the pointer is locked
//      into it (SDL's relative mode, taken on the focus; motion counts from the
//      first click into the window). It starts at a new window's centre. While
//      locked the cursor is hidden whatever ShowCursor says: a shown cursor
//      would only stand still.
//  [X] The screen saver stays off while SDL's video runs (SDL's default); that
//      stands for the program refusing SC_SCREENSAVE and SC_MONITORPOWER.
//  [X] Ctrl+C in a terminal ends the program, as in a Windows console: SDL's
//      signal handlers are not installed.
//  [X] A display lost at any moment (the X server or the compositor gone
//      while a box is shown, while a window and its context are made, while
//      the loop runs) ends the program with exit code 1 and a line on
//      standard error, never by a signal or by hanging: SIGPIPE is ignored,
//      Xlib's I/O error handler and SDL's quit event end it, and a quiet
//      connection of the layer's own, watched by a thread, ends it when the
//      server closes it, whatever a library (Mesa, libdecor) makes of the
//      loss (display_lost.cpp). main calls EndOnLostDisplay first.
//  [X] Nothing leaks: every window, context and device context is released by
//      its own release call, and a stale handle fails the call, so a second
//      teardown releases nothing twice. ShutdownSdlWin32, called by main after
//      WinMain, closes SDL and the X connection.
//
// Not provided:
//  [ ] Colour-depth switching: a display mode's dmBitsPerPel is not looked at.
//  [ ] Message filters: PeekMessageA takes any message, whatever window or
//      range it is given.
//  [ ] Character messages: TranslateMessage posts no WM_CHAR. Key messages
//      carry no scan code, GetKeyState no toggle bit, and keys other than those
//      above (keypad, punctuation) post nothing.
//  [ ] CREATESTRUCT: WM_NCCREATE and WM_CREATE carry an lParam of 0.
//  [ ] Screen device contexts (GetDC(NULL)), module handles by name, and icons
//      and cursors other than IDI_WINLOGO and IDC_ARROW. The window shows the
//      window manager's icon and the X arrow.
//  [ ] Message-box button sets other than OK and Yes/No: reported on standard
//      error and answered 0.
//  [ ] On Wayland the pointer is not pinned while no window of the program has
//      the focus (no client can hold it then); and with no X server to ask, a
//      key held while no window has the focus counts as let go.
#include "shell/sdl/sdl_win32.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/sdl/state.h"

namespace sdl_win32 {

State state;

bool StartVideo() {
    if (state.videoStarted) return true;

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Closing is the window's WM_CLOSE; a quit event means the display is lost.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Wayland where a compositor is named and answers, else X11; the user's
    // own SDL_VIDEODRIVER wins over this hint.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland && *wayland ? "wayland,x11" : "x11");
    // Watched from before SDL meets the server, as its own start-up is one
    // of the moments the server may go at.
    WatchDisplay(std::strncmp(SDL_GetHint(SDL_HINT_VIDEODRIVER), "wayland", 7) == 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        if (!state.videoFailureReported) {
            std::fprintf(stderr, "%s: no display to open a window on: %s\n", program_invocation_short_name,
                         SDL_GetError());
            state.videoFailureReported = true;
        }
        return false;
    }
    state.videoStarted = true;
    state.wayland = std::strcmp(SDL_GetCurrentVideoDriver(), "wayland") == 0;
    WatchDisplay(state.wayland);  // the X server, where SDL found no compositor
    ApplyCursorVisibility();
    return true;
}

namespace {

// Stand-ins for the module and stock resources; only their identity matters.
char moduleInstance;
char stockIcon;
char stockCursor;

}  // namespace

}  // namespace sdl_win32

using namespace sdl_win32;

void ShutdownSdlWin32() {
    ReleaseWindowsAndContexts();
    ReleaseCursor();
    SDL_Quit();
    state = State();
}

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
