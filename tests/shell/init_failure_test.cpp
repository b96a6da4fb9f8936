// InitGL never fails; in this binary a renderer that refuses takes its place
// (the linker never needs render/'s), so that creation's last failure runs.
#include <gtest/gtest.h>

#include "render/render.h"
#include "shell/shell.h"
#include "tests/shell/shell_test.h"

int InitGL() { return FALSE; }
void ReSizeGLScene(int, int) {}

namespace {

TEST(GLInitialisation, AFailureGivesEverythingBackThenSaysSo) {
    StartAfresh();
    EXPECT_FALSE(CreateGLWindow("Tessaline", 640, 480, 16, true));
    EXPECT_EQ(scripted.boxes, std::vector<std::string>{Error("Initialization Failed.")});
    EXPECT_EQ(Calls(scripted.log.size() - 10), "SetForegroundWindow SetFocus ChangeDisplaySettingsA ShowCursor " +
                                                   std::string("wglMakeCurrent wglDeleteContext ReleaseDC ") +
                                                   "DestroyWindow UnregisterClassA MessageBoxA");
    ExpectNothingHeld();
}

}  // namespace
