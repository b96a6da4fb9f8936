// Two GL entry points stand in for the library's, so that the shell's tests
// see each resize and each frame drawn. Every other GL call reaches the real
// library, which ignores it: no context is current here.
#include "tests/support/scripted_win32.h"

void GLAPIENTRY glViewport(GLint, GLint, GLsizei width, GLsizei height) {
    scripted.Set("glViewport", scripted.viewport, POINT{width, height});
}

void GLAPIENTRY gluLookAt(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {
    scripted.Set("gluLookAt", scripted.drawn, true);
}
