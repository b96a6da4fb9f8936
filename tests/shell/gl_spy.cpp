// Two GL entry points stand in for the library's, so that the shell's tests
// see each resize and each frame drawn. Every other GL call reaches the real
// library, which ignores it: no context is current here.
#include "tests/support/scripted_win32.h"

void GLAPIENTRY glViewport(GLint, GLint, GLsizei width, GLsizei height) {
    scripted.Call("glViewport");
    scripted.viewport[0] = width;
    scripted.viewport[1] = height;
}

void GLAPIENTRY gluLookAt(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {
    scripted.Call("gluLookAt");
    scripted.drawn = true;
}
