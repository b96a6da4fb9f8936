// The pointer on Wayland. No client reads the pointer's position or moves
// it, so GetCursorPos and SetCursorPos work on a virtual pointer instead,
// driven by the relative motion of a pointer locked into the window with the
// focus (SDL's relative mouse mode). A move of (dx, dy) between two passes
// shows as the point last set plus (dx, dy): the same turn as on X11.
#include "shell/sdl/state.h"

namespace sdl_win32 {

// Wayland gives a window no place on a screen: its client area counts as
// where the program asked for it, and a pointer locked into it rests at its
// centre, so the view does not turn before the user moves the mouse.
void PlaceVirtualPointer(const Window& window) {
    state.virtualPointer.x = window.x + window.width / 2;
    state.virtualPointer.y = window.y + window.height / 2;
}

void TakePointerLock() {
    // Taken anew for every window that gets the focus: SDL asks the
    // compositor for a lock only when relative mode changes.
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_SetRelativeMouseMode(SDL_TRUE);
    state.pointerLock = PointerLock::kAsked;
}

// Without the focus the pointer is the user's, free and shown.
void ReleasePointerLock() {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    state.pointerLock = PointerLock::kNone;
}

void FollowPointer(const SDL_Event& event) {
    if (event.type == SDL_MOUSEBUTTONDOWN && state.pointerLock == PointerLock::kAsked) {
        state.pointerLock = PointerLock::kHeld;
    } else if (event.type == SDL_MOUSEMOTION && state.pointerLock == PointerLock::kHeld) {
        state.virtualPointer.x += event.motion.xrel;
        state.virtualPointer.y += event.motion.yrel;
    }
}

}  // namespace sdl_win32
