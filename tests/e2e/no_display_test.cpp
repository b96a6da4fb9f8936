// With no display, the viewer must say so and end, not hang.
#include <gtest/gtest.h>

#include "tests/e2e/support/viewer.h"

TEST(ViewerWithoutDisplay, TheViewerSaysThereIsNoDisplayAndExitsWithOne) {
    Viewer viewer("");
    ASSERT_TRUE(viewer.Started());
    int exitCode = viewer.WaitForExit(10.0);
    ASSERT_NE(exitCode, -1) << "still running with no display";
    EXPECT_EQ(exitCode, 1) << "no window could be made";

    std::string errors = viewer.Errors();
    EXPECT_NE(errors.find("DISPLAY is not set"), std::string::npos) << errors;
    // The start-up question is not lost: it is written out, with its caption.
    EXPECT_NE(errors.find("Start FullScreen?"), std::string::npos) << errors;
    EXPECT_NE(errors.find("Program Will Now Close."), std::string::npos) << errors;
}
