// Windows virtual-key codes for SDL's keys.
#ifndef TESSALINE_SHELL_SDL_KEY_CODES_H
#define TESSALINE_SHELL_SDL_KEY_CODES_H

#include <SDL2/SDL_keycode.h>

namespace sdl_win32 {

// The virtual-key code of a key, by the symbol it types in the user's
// layout, as Windows maps letters; 0 for a key the layer does not post.
int VirtualKeyOf(SDL_Keycode key);

// The X key symbols of the keys that post a virtual-key code: up to two
// (left and right Shift, say); 0 marks the end.
void KeySymsOf(int virtualKey, unsigned long keySyms[3]);

}  // namespace sdl_win32

#endif  // TESSALINE_SHELL_SDL_KEY_CODES_H
