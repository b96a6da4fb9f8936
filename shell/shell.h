// The application shell: the window procedure, the GL window and the globals
// they share with the main loop.
#ifndef TESSALINE_SHELL_SHELL_H
#define TESSALINE_SHELL_SHELL_H

#include "shell/win32.h"

extern bool fullscreen;   // full screen asked for, or in force
extern bool active;       // false while the window is minimised
extern bool keys[256];    // by virtual-key code: set on a key's first key-down, cleared on key-up
extern HINSTANCE hInstance;
extern HWND hWnd;
extern HDC hDC;
extern HGLRC hRC;

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

BOOL CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag);
void KillGLWindow();

#endif  // TESSALINE_SHELL_SHELL_H
