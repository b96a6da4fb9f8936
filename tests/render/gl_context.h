// A real GL context for drawing with the program's own code: a hidden
// 640 x 480 window, double-buffered RGB with the 16-bit depth buffer the
// program asks for, current for the rest of the process.
#ifndef TESSALINE_TESTS_RENDER_GL_CONTEXT_H
#define TESSALINE_TESTS_RENDER_GL_CONTEXT_H

#include <string>

// False, with the reason on standard error, where the display offers none.
bool MakeGlContext();

// The back buffer as drawn so far: RGB rows from the top.
std::string ReadFrame();

#endif  // TESSALINE_TESTS_RENDER_GL_CONTEXT_H
