// What a window manager does to the viewer's window: closing, iconifying,
// restoring.
#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"

TEST(ViewerWindowManager, AskingTheWindowToCloseEndsTheViewerWithZero) {
    ViewerSession session("1024x768x24");
    ::Window window = session.StartAnswering("Escape");
    ASSERT_NE(window, None) << session.Errors();

    session.x.RequestClose(window);
    EXPECT_EQ(session.viewer->WaitForExit(2.0), 0) << session.viewer->Errors();
}

TEST(ViewerWindowManager, AnIconifiedViewerKeepsRunningAndDrawsNothingUntilRestored) {
    ViewerSession session("1024x768x24", true);
    ::Window window = session.StartAnswering("Escape");
    ASSERT_NE(window, None) << session.Errors();

    session.x.Iconify(window);
    ASSERT_TRUE(session.x.WaitUntilGone(kViewerTitle, 5));
    // Let a frame that was under way when the window went finish.
    ASSERT_TRUE(session.viewer->WaitForPasses(5, 5));
    int64_t framesIconified = session.viewer->Counts().frames;
    EXPECT_TRUE(session.viewer->WaitForPasses(50, 10)) << "the main loop stopped while iconified";
    EXPECT_EQ(session.viewer->Counts().frames, framesIconified) << "frames were drawn while iconified";
    EXPECT_TRUE(session.viewer->Running());

    session.x.Activate(window);
    ASSERT_NE(session.x.WaitForWindow(kViewerTitle, 5), None);
    EXPECT_TRUE(session.viewer->WaitForFrames(3, 5)) << "drawing did not resume";
    Area client = session.x.ClientArea(window);
    EXPECT_EQ(client.width, 640);
    EXPECT_EQ(client.height, 480);
    FrameCheck frame = CheckStartFrame(session.SettledScreenshot("restored"), client.x, client.y);
    EXPECT_TRUE(frame.Matches()) << frame.mismatched << " of " << frame.checked << ":" << frame.examples;
}
