// Looking around with the real pointer: the cursor the viewer reads must be
// where XTest put it, on every pass.
#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"

namespace {

// Moves the pointer off the pinning point and waits until the viewer has
// read it and pinned it back, then for a frame drawn after that.
Image LookBy(ViewerSession& session, int dx, int dy, const std::string& name) {
    session.x.MovePointer(320 + dx, 240 + dy);
    EXPECT_TRUE(session.x.WaitForPointerAt(320, 240, 5)) << "the viewer never pinned the pointer back";
    return session.SettledScreenshot(name);
}

std::string Describe(const FrameCheck& frame) {
    return std::to_string(frame.mismatched) + " of " + std::to_string(frame.checked) + " differ:" + frame.examples;
}

}  // namespace

TEST(ViewerMouseLook, EachPointerMoveTurnsAndTiltsTheViewByExactlyItsAmount) {
    ViewerSession session("1024x768x24");
    ASSERT_NE(session.StartAnswering("Escape"), None) << session.Errors();

    // Right and up: turned 0.06 radian right, looking 0.16 unit higher.
    Pose turned = AfterMouseMove(StartPose(), 60, -80);
    Image first = LookBy(session, 60, -80, "mouse-look-1");
    FrameCheck frame = CheckFrame(first, 0, 0, turned);
    EXPECT_TRUE(frame.Matches()) << Describe(frame);
    // A turn or a tilt a few pixels' worth off would show.
    const int wrong[][2] = {{52, -80}, {68, -80}, {60, -68}, {60, -92}};
    for (const auto& move : wrong)
        EXPECT_FALSE(CheckFrame(first, 0, 0, AfterMouseMove(StartPose(), move[0], move[1])).Matches())
            << move[0] << ", " << move[1];
    EXPECT_FALSE(CheckStartFrame(first, 0, 0).Matches());

    // A second move is read afresh: back left past the start, and down.
    Pose back = AfterMouseMove(turned, -100, 30);
    Image second = LookBy(session, -100, 30, "mouse-look-2");
    frame = CheckFrame(second, 0, 0, back);
    EXPECT_TRUE(frame.Matches()) << Describe(frame);
    EXPECT_FALSE(CheckFrame(second, 0, 0, turned).Matches());

    int pointerX, pointerY;
    session.x.Pointer(&pointerX, &pointerY);
    EXPECT_EQ(pointerX, 320);
    EXPECT_EQ(pointerY, 240);
}
