// The program's InitGL never fails. This binary's renderer refuses in its
// place (the linker takes these definitions and never needs render/'s), so
// that creation's last failure path runs.
#include "render/render.h"
#include "tests/shell/creation_failure.h"
#include "tests/shell/shell_test.h"

int InitGL() { return FALSE; }
void ReSizeGLScene(int, int) {}

namespace {

class GLInitialisation : public ShellTest {};

TEST_F(GLInitialisation, AFailureGivesEverythingBackAndEndsTheProgramWithOne) {
    ExpectCreationFailure({"GL initialisation",
                           "",
                           0,
                           "Initialization Failed.",
                           {MODE_CHANGE, "ShowCursor(0)", "wglMakeCurrent(dc1, rc1)", MODE_RESTORE, "ShowCursor(1)",
                            "wglMakeCurrent(null, null)", "wglDeleteContext(rc1)", "ReleaseDC(window1, dc1)",
                            "DestroyWindow(window1)", CLASS_REMOVAL}});
}

}  // namespace
