// Answering Yes: full screen where the display offers 640 x 480, the
// questions that follow where it does not.
#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"

TEST(ViewerFullScreen, AnsweringYesOnADisplayOffering640By480FillsTheScreenWithTheStartView) {
    ViewerSession session("640x480x16");
    ::Window window = session.StartAnswering("Return");
    ASSERT_NE(window, None) << session.Errors();
    Area client = session.x.ClientArea(window);
    EXPECT_EQ(client.x, 0);
    EXPECT_EQ(client.y, 0);
    EXPECT_EQ(client.width, 640);
    EXPECT_EQ(client.height, 480);

    FrameCheck frame = CheckStartFrame(session.SettledScreenshot("full-screen"), 0, 0);
    EXPECT_TRUE(frame.Matches()) << frame.mismatched << " of " << frame.checked << ":" << frame.examples;
}

TEST(ViewerFullScreen, TogglingWithF1RebuildsTheWindowAndLeavesNothingBehind) {
    ViewerSession session("640x480x16");
    ASSERT_NE(session.StartAnswering("Return"), None) << session.Errors();

    // Full screen, then a window, then full screen again.
    for (int toggle = 0; toggle < 2; ++toggle) {
        int64_t windows = session.viewer->Counts().windowsMade + 1;
        // The viewer acts on F1 in an idle pass while it is down: a real
        // press lasts long enough for one.
        session.x.PressKey("F1", 100);
        ASSERT_TRUE(session.viewer->WaitUntil([windows](const CallCounts& c) { return c.windowsMade == windows; }, 5))
            << "toggle " << toggle << ": " << session.viewer->Errors();
        ASSERT_NE(session.WaitForViewerWindow(), None);
    }
    FrameCheck frame = CheckStartFrame(session.SettledScreenshot("full-screen-again"), 0, 0);
    EXPECT_TRUE(frame.Matches()) << frame.mismatched << " of " << frame.checked << ":" << frame.examples;

    session.x.PressKey("Escape");
    ASSERT_EQ(session.viewer->WaitForExit(2.0), 0) << session.viewer->Errors();
    CallCounts counts = session.viewer->Counts();
    EXPECT_EQ(counts.windowsMade, 3);
    EXPECT_EQ(counts.windowsDestroyed, counts.windowsMade);
    EXPECT_EQ(counts.contextsMade, 3);
    EXPECT_EQ(counts.contextsDeleted, counts.contextsMade);
}

TEST(ViewerFullScreen, ARefusedModeAnsweredYesGivesAWindowInstead) {
    ViewerSession session("1024x768x24");
    session.StartViewer();
    ASSERT_TRUE(session.Ready());

    ASSERT_TRUE(session.Answer(kStartQuestion, "Return"));
    ASSERT_TRUE(session.Answer("OPENGL", "Return")) << "no \"not supported\" question";
    ::Window window = session.WaitForViewerWindow();
    ASSERT_NE(window, None) << session.viewer->Errors();
    Area client = session.x.ClientArea(window);
    EXPECT_EQ(client.width, 640);
    EXPECT_EQ(client.height, 480);
    FrameCheck frame = CheckStartFrame(session.SettledScreenshot("refused-windowed"), client.x, client.y);
    EXPECT_TRUE(frame.Matches()) << frame.mismatched << " of " << frame.checked << ":" << frame.examples;

    session.x.PressKey("Escape");
    EXPECT_EQ(session.viewer->WaitForExit(2.0), 0) << session.viewer->Errors();
}

TEST(ViewerFullScreen, ARefusedModeAnsweredNoClosesTheProgramWithExitCodeOne) {
    ViewerSession session("1024x768x24");
    session.StartViewer();
    ASSERT_TRUE(session.Ready());

    ASSERT_TRUE(session.Answer(kStartQuestion, "Return"));
    ASSERT_TRUE(session.Answer("OPENGL", "Escape")) << "no \"not supported\" question";
    ASSERT_TRUE(session.Answer("ERROR", "Return")) << "no \"Program Will Now Close.\" box";
    EXPECT_EQ(session.viewer->WaitForExit(5.0), 1) << session.viewer->Errors();
    EXPECT_EQ(session.viewer->Counts().windowsMade, 0);
}
