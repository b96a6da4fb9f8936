// Checks of a screenshot of the viewer against what its scene must show
// from a camera pose. They know nothing of X or Windows: any build that can
// take a screenshot (Linux under Xvfb, Windows under Wine) gives the picture
// and where the top-left corner of the 640 x 480 client area is in it; the
// model of the scene says what each pixel must show.
#ifndef TESSALINE_TESTS_E2E_FRAMES_FRAME_CHECKS_H
#define TESSALINE_TESTS_E2E_FRAMES_FRAME_CHECKS_H

#include <string>

#include "tests/e2e/frames/image.h"
#include "tests/scene/model_frame.h"

// The camera's poses, worked out in single precision as the viewer's
// camera is specified.
Pose StartPose();  // eye (0, 2.5, 5) looking at (0, 2.5, 0), up +y
// After one pass that found the pointer (dx, dy) pixels away from the point
// it is pinned to: turned right by dx / 1000 radian, looking up by dy / 500.
Pose AfterMouseMove(const Pose& pose, int dx, int dy);
// After `steps` passes with the forward key held.
Pose AfterForwardSteps(const Pose& pose, int steps);

struct FrameCheck {
    int checked = 0;     // pixels whose colour the scene model is sure of
    int mismatched = 0;  // of those, pixels of another colour
    std::string examples;  // the first mismatches, for a failure message
    // A handful of pixels may fall to rounding where a surface edge passes
    // exactly through a pixel's centre; a wrong pose upsets hundreds.
    bool Matches() const { return checked > 0 && mismatched * 2000 <= checked; }
};

// Compares every `stride`-th pixel of the client area, in both directions.
FrameCheck CheckFrame(const Image& shot, int clientX, int clientY, const Pose& pose, int stride = 2);

// The frame of a viewer that has just started.
FrameCheck CheckStartFrame(const Image& shot, int clientX, int clientY);

// The number n >= 1 of forward steps from the start pose that the frame
// shows, or 0 when no n up to maxSteps matches.
int FindForwardSteps(const Image& shot, int clientX, int clientY, int maxSteps);

#endif  // TESSALINE_TESTS_E2E_FRAMES_FRAME_CHECKS_H
