// What the SDL2 layer offers beyond the Win32 services themselves.
#ifndef TESSALINE_SHELL_SDL_SDL_WIN32_H
#define TESSALINE_SHELL_SDL_SDL_WIN32_H

#include "shell/win32.h"

// From here on, a display lost at any moment ends the process with exit code
// 1 and a line on standard error, never by a signal: called before anything
// else.
void EndOnLostDisplay();

// Releases whatever is still held (windows, contexts, SDL, the X connection),
// as a process's exit does on Windows. The services may be used again after.
void ShutdownSdlWin32();

#endif  // TESSALINE_SHELL_SDL_SDL_WIN32_H
