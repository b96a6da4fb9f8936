// Walking with the keyboard, and quitting with Escape.
#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"

TEST(ViewerWalking, AShortPressOfWMovesTheViewForwardByWholeStepsAndEscapeQuitsAtOnce) {
    ViewerSession session("1024x768x24");
    ASSERT_NE(session.StartAnswering("Escape"), None) << session.Errors();

    // However fast the loop runs here, the viewer cannot take more steps
    // than it runs passes while the key is down.
    int64_t passesBefore = session.viewer->Counts().swaps;
    session.x.PressKey("w", 80);
    Image shot = session.SettledScreenshot("walk");
    int maxSteps = static_cast<int>(session.viewer->Counts().swaps - passesBefore);

    int steps = FindForwardSteps(shot, 0, 0, maxSteps);
    ASSERT_GE(steps, 1) << "no whole number of 0.075 steps up to " << maxSteps << " matches the frame";
    EXPECT_FALSE(CheckStartFrame(shot, 0, 0).Matches()) << "the viewer did not move";
    // One step more may sit within what the checks can tell apart (seen
    // under the sanitizers, where a short press is one or two passes); two
    // steps more may not.
    EXPECT_FALSE(CheckFrame(shot, 0, 0, AfterForwardSteps(StartPose(), steps + 2)).Matches());
    RecordProperty("steps", steps);

    session.x.PressKey("Escape");
    EXPECT_EQ(session.viewer->WaitForExit(1.0), 0) << session.viewer->Errors();
}
