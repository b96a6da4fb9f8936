// Message boxes on SDL's own. On X11 it needs only core fonts; on Wayland
// SDL shows the box through zenity where that is installed, and otherwise
// falls back to its X11 box where DISPLAY names an X server (XWayland).
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "shell/sdl/state.h"

namespace sdl_win32 {
namespace {

Uint32 IconFlag(UINT uType) {
    switch (uType & MB_ICONMASK) {
        case MB_ICONSTOP: return SDL_MESSAGEBOX_ERROR;
        case MB_ICONEXCLAMATION: return SDL_MESSAGEBOX_WARNING;
        case MB_ICONQUESTION:  // SDL has no question mark
        case MB_ICONINFORMATION: return SDL_MESSAGEBOX_INFORMATION;
        default: return 0;
    }
}

// Where no box can be shown, the question still reaches the user.
int Unshown(LPCSTR text, LPCSTR caption, const char* reason) {
    std::fprintf(stderr, "%s: no message box can be shown (%s); it is answered 0:\n[%s]\n%s\n",
                 program_invocation_short_name, reason, caption, text);
    return 0;
}

}  // namespace
}  // namespace sdl_win32

using namespace sdl_win32;

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    const char* text = lpText ? lpText : "";
    const char* caption = lpCaption ? lpCaption : "Error";  // Windows' own default caption

    // Return answers the default button, Escape the other (or the only) one.
    const Uint32 returnKey = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    const Uint32 escapeKey = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    const SDL_MessageBoxButtonData ok[] = {{returnKey | escapeKey, IDOK, "OK"}};
    const SDL_MessageBoxButtonData yesNo[] = {{returnKey, IDYES, "Yes"}, {escapeKey, IDNO, "No"}};

    SDL_MessageBoxData box = {};
    box.flags = IconFlag(uType) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.title = caption;
    box.message = text;
    switch (uType & MB_TYPEMASK) {
        case MB_OK:
            box.buttons = ok;
            box.numbuttons = 1;
            break;
        case MB_YESNO:
            box.buttons = yesNo;
            box.numbuttons = 2;
            break;
        default:
            return Unshown(text, caption, "only OK and Yes/No boxes are provided");
    }
    if (Window* owner = FindWindow(hWnd)) box.window = owner->native;

    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland))
        return Unshown(text, caption, "DISPLAY is not set, nor WAYLAND_DISPLAY");
    int button = -1;
    if (SDL_ShowMessageBox(&box, &button) != 0) return Unshown(text, caption, SDL_GetError());
    // Closing the box with the window manager counts as Escape.
    if (button == -1) return box.numbuttons == 1 ? IDOK : IDNO;
    return button;
}
