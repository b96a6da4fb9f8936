// InitGL never fails; in this binary a renderer that refuses takes its place
// (the linker then never needs render/'s), so that creation's last failure runs.
#include <gtest/gtest.h>

#include "render/render.h"
#include "shell/shell.h"
#include "tests/support/scripted_win32.h"

int InitGL() { return FALSE; }
void ReSizeGLScene(int, int) {}

TEST(GLInitialisation, AFailureGivesEverythingBackThenSaysSo) {
    EXPECT_FALSE(CreateGLWindow("Tessaline", 640, 480, 16, true));
    EXPECT_EQ(scripted.boxes, std::vector<std::string>{"ERROR|Initialization Failed.|48"});
    const char* const last[] = {"SetFocus", "ChangeDisplaySettingsA", "ShowCursor", "wglMakeCurrent", "wglDeleteContext",
                                "ReleaseDC", "DestroyWindow", "UnregisterClassA", "MessageBoxA"};
    EXPECT_TRUE(std::equal(std::begin(last), std::end(last), scripted.log.end() - 9));
    EXPECT_TRUE(!hWnd && !hDC && !hRC && !hInstance && scripted.live.empty());
}
