// Two GL entry points stand in for the library's in the shell tests, so that
// the log shows each resize (glViewport) and each frame drawn (gluLookAt,
// with the pose it is drawn from). Every other GL call reaches the real
// library, which ignores it: no context is ever current here.
#include <cstdio>
#include <string>

#include "shell/win32.h"
#include "tests/support/log_format.h"
#include "tests/support/scripted_win32.h"

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    scripted.Call("glViewport",
                  Join({std::to_string(x), std::to_string(y), std::to_string(width), std::to_string(height)}));
}

void GLAPIENTRY gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
                          GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    scripted.Call("gluLookAt", Join({Number(eyeX), Number(eyeY), Number(eyeZ), Number(centerX), Number(centerY),
                                     Number(centerZ), Number(upX), Number(upY), Number(upZ)}));
}
