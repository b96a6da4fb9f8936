// Starting the viewer and answering its question for a window.
#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"

TEST(ViewerStartUp, AnsweringNoShowsTheStartViewInA640By480WindowAtTheScreensCorner) {
    ViewerSession session("1024x768x24");
    ::Window window = session.StartAnswering("Escape");
    ASSERT_NE(window, None) << session.Errors();

    // Nothing frames the client area here, so it sits where it was asked to.
    Area client = session.x.ClientArea(window);
    EXPECT_EQ(client.x, 0);
    EXPECT_EQ(client.y, 0);
    EXPECT_EQ(client.width, 640);
    EXPECT_EQ(client.height, 480);

    FrameCheck frame = CheckStartFrame(session.SettledScreenshot("start"), client.x, client.y);
    EXPECT_TRUE(frame.Matches()) << frame.mismatched << " of " << frame.checked << ":" << frame.examples;

    // Swaps are asked to wait for the display's refresh (Xvfb has none).
    EXPECT_EQ(session.viewer->Counts().swapInterval, 1);
}
