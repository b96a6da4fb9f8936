// The native Windows build, run under Wine on a virtual X display of its
// own and driven with real X input, checked with the same frame checks as
// the Linux build.
#include <chrono>
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"
#include "tests/e2e/support/virtual_display.h"
#include "tests/e2e/support/x_session.h"
#include "tests/wine/wine_viewer.h"

namespace {

const char* const kQuestionBox =
    "text Would You Like To Run In Fullscreen Mode?\\n  This Program Is Written By Odrenko.\\n\n"
    "button &Yes\nbutton &No\n";
const char* const kModeRefusedBox =
    "text The Requested Fullscreen Mode Is Not Supported By\\nYour Video Card. Use Windowed Mode Instead?\n"
    "button &Yes\nbutton &No\n";
const char* const kWillCloseBox = "text Program Will Now Close.\nbutton OK\n";

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::string Describe(const FrameCheck& frame) {
    return std::to_string(frame.mismatched) + " of " + std::to_string(frame.checked) + " differ:" + frame.examples;
}

// One Windows viewer on a display of its own. The pointer starts on the
// point the viewer pins it to, so its first pass turns nothing.
class WindowsViewer : public ::testing::Test {
protected:
    void SetUp() override {
        std::string missing = WhatIsMissing();
        ASSERT_TRUE(missing.empty()) << missing;
        ASSERT_TRUE(display.Started());
        ASSERT_TRUE(x.Connected());
        x.MovePointer(320, 240);
        viewer.reset(new WineViewer(display.Name()));
        ASSERT_TRUE(viewer->Started());
    }

    // Waits for the box, checks what it says, gives it the focus and presses
    // a key. Wine's boxes take a button's underlined letter.
    void Answer(const std::string& caption, const std::string& says, const char* keyName) {
        ::Window box = x.WaitForWindow(caption, 30);
        ASSERT_NE(box, None) << "no box \"" << caption << "\"";
        EXPECT_EQ(viewer->ReadBox(caption), says);
        x.Focus(box);
        x.PressKey(keyName);
    }

    // The viewer's client area, found rather than assumed: Wine places it
    // below a frame of its own drawing.
    Area WaitForViewer() {
        ::Window window = x.WaitForWindow(kViewerTitle, 30);
        EXPECT_NE(window, None) << "no viewer window";
        if (window == None) return Area{0, 0, 0, 0};
        Pause(1000);  // a few frames drawn
        return x.ClientArea(window);
    }

    Image Screenshot(const std::string& name) {
        Image shot = x.Screenshot();
        SavePpm(shot, std::string(TESSALINE_SHOTS_DIR) + "/windows-" + name + ".ppm");
        return shot;
    }

    VirtualDisplay display{"1024x768x24"};
    XSession x{display.Started() ? display.Name() : ":none"};
    std::unique_ptr<WineViewer> viewer;
};

TEST_F(WindowsViewer, AnsweringNoShowsTheStartViewInA640By480Window) {
    ASSERT_NO_FATAL_FAILURE(Answer(kStartQuestion, kQuestionBox, "n"));
    Area client = WaitForViewer();
    EXPECT_EQ(client.width, 640);
    EXPECT_EQ(client.height, 480);

    FrameCheck frame = CheckStartFrame(Screenshot("start"), client.x, client.y);
    EXPECT_TRUE(frame.Matches()) << Describe(frame);

    x.PressKey("Escape");
    EXPECT_EQ(viewer->WaitForExit(5), 0);
}

// Wine's cursor position can lag its own warp, so one move may be read by
// more than one pass; each reading turns the view again. Here alone a
// check accepts that, and says how often it happened.
TEST_F(WindowsViewer, PointerMovesTurnAndTiltTheView) {
    ASSERT_NO_FATAL_FAILURE(Answer(kStartQuestion, kQuestionBox, "n"));
    Area client = WaitForViewer();
    ASSERT_EQ(client.width, 640);

    // Moves stay inside the client area: Wine pulls back only a pointer
    // over its own window.
    const int moves[][2] = {{60, -80}, {-100, 30}};
    Pose pose = StartPose();
    int lagging = 0;
    for (const auto& move : moves) {
        x.MovePointer(320 + move[0], 240 + move[1]);
        ASSERT_TRUE(x.WaitForPointerAt(320, 240, 5)) << "the viewer never pinned the pointer back";
        Pause(500);
        Image shot = Screenshot("mouse-look");

        int readings = 0;
        Pose moved = pose;
        for (int reads = 1; reads <= 4 && readings == 0; ++reads) {
            moved = AfterMouseMove(moved, move[0], move[1]);
            if (CheckFrame(shot, client.x, client.y, moved).Matches()) readings = reads;
        }
        ASSERT_NE(readings, 0) << "no number of readings of the move (" << move[0] << ", " << move[1]
                               << ") explains the frame: "
                               << Describe(CheckFrame(shot, client.x, client.y, AfterMouseMove(pose, move[0], move[1])));
        if (readings > 1) ++lagging;
        pose = moved;
    }
    RecordProperty("moves_read_more_than_once", lagging);
    std::printf("moves read by more than one pass under Wine: %d of 2\n", lagging);

    x.PressKey("Escape");
    EXPECT_EQ(viewer->WaitForExit(5), 0);
}

TEST_F(WindowsViewer, EscapeEndsItWithExitCodeZero) {
    ASSERT_NO_FATAL_FAILURE(Answer(kStartQuestion, kQuestionBox, "n"));
    WaitForViewer();
    x.PressKey("Escape");
    EXPECT_EQ(viewer->WaitForExit(5), 0);
}

TEST_F(WindowsViewer, AModeTheDisplayCannotGiveAnsweredNoClosesWithExitCodeOne) {
    // Wine refuses 640 x 480 on a 1024 x 768 screen.
    ASSERT_NO_FATAL_FAILURE(Answer(kStartQuestion, kQuestionBox, "y"));
    ASSERT_NO_FATAL_FAILURE(Answer("OPENGL", kModeRefusedBox, "n"));
    ASSERT_NO_FATAL_FAILURE(Answer("ERROR", kWillCloseBox, "Return"));
    EXPECT_EQ(viewer->WaitForExit(10), 1);
}

}  // namespace
