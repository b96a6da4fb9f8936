#include "shell/sdl/key_codes.h"

#include <X11/keysym.h>

#include "shell/win32.h"

namespace sdl_win32 {

int VirtualKeyOf(SDL_Keycode key) {
    // Letters are their upper-case codes, digits their own.
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
    switch (key) {
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT: return VK_MENU;
        default: return 0;
    }
}

void KeySymsOf(int virtualKey, unsigned long keySyms[3]) {
    keySyms[0] = keySyms[1] = keySyms[2] = 0;
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        keySyms[0] = XK_a + (virtualKey - 'A');
    } else if (virtualKey >= '0' && virtualKey <= '9') {
        keySyms[0] = XK_0 + (virtualKey - '0');
    } else if (virtualKey >= VK_F1 && virtualKey <= VK_F12) {
        keySyms[0] = XK_F1 + (virtualKey - VK_F1);
    } else {
        switch (virtualKey) {
            case VK_LEFT: keySyms[0] = XK_Left; break;
            case VK_UP: keySyms[0] = XK_Up; break;
            case VK_RIGHT: keySyms[0] = XK_Right; break;
            case VK_DOWN: keySyms[0] = XK_Down; break;
            case VK_ESCAPE: keySyms[0] = XK_Escape; break;
            case VK_RETURN: keySyms[0] = XK_Return, keySyms[1] = XK_KP_Enter; break;
            case VK_SPACE: keySyms[0] = XK_space; break;
            case VK_SHIFT: keySyms[0] = XK_Shift_L, keySyms[1] = XK_Shift_R; break;
            case VK_CONTROL: keySyms[0] = XK_Control_L, keySyms[1] = XK_Control_R; break;
            case VK_MENU: keySyms[0] = XK_Alt_L, keySyms[1] = XK_Alt_R; break;
            default: break;
        }
    }
}

}  // namespace sdl_win32
