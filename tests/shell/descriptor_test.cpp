// Alone in its process: the pixel format descriptor is filled once per
// process, by the first window that gets past its creation.
#include "tests/shell/shell_test.h"

namespace {

const char* const TITLE = "Tessaline - By Odrenko";

class Descriptor : public ShellTest {};

TEST_F(Descriptor, TheFirstWindowPastCreationFixesTheColourBitsForTheProcess) {
    // A call that fails before the descriptor's turn leaves it unfilled.
    scripted.Fail("CreateWindowExA");
    scripted.Answer(IDOK);
    EXPECT_FALSE(CreateGLWindow(TITLE, 640, 480, 24, false));
    EXPECT_TRUE(scripted.Calls({"ChoosePixelFormat"}).empty());

    // The first window: its bits, cut to the field's one byte.
    StartAfresh();
    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 0x120, false));
    EXPECT_EQ(scripted.requestedFormat.cColorBits, 0x20);
    KillGLWindow();

    // A later window with other bits: the mode follows them, the descriptor
    // does not.
    StartAfresh();
    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, true));
    EXPECT_EQ(scripted.requestedFormat.cColorBits, 0x20);
    EXPECT_EQ(scripted.requestedFormat.cDepthBits, 16);
    EXPECT_EQ(scripted.requestedMode.dmBitsPerPel, 16u);
    EXPECT_TRUE(scripted.display == (DisplayMode{640, 480, 16}));
    KillGLWindow();
}

}  // namespace
