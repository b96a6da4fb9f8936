#include "tests/e2e/frames/frame_checks.h"

#include <sstream>
#include <vector>

#include "tests/e2e/frames/reference_camera.h"

namespace {

const int kClientWidth = 640;
const int kClientHeight = 480;

// Per channel: a 16-bit display keeps 5 or 6 bits of each.
const int kTolerance = 12;

ReferencePose ToReference(const Pose& pose) {
    return ReferencePose{{pose.eye.x, pose.eye.y, pose.eye.z},
                         {pose.centre.x, pose.centre.y, pose.centre.z},
                         {pose.up.x, pose.up.y, pose.up.z}};
}

Pose FromReference(const ReferencePose& r) {
    return Pose{{r.pos[0], r.pos[1], r.pos[2]}, {r.view[0], r.view[1], r.view[2]}, {r.up[0], r.up[1], r.up[2]}};
}

}  // namespace

Pose StartPose() { return Pose{{0, 2.5, 5}, {0, 2.5, 0}, {0, 1, 0}}; }

Pose AfterMouseMove(const Pose& pose, int dx, int dy) {
    ReferencePose moved = ToReference(pose);
    ReferencePass(moved, ReferenceInput{{}, 320L + dx, 240L + dy});
    return FromReference(moved);
}

Pose AfterForwardSteps(const Pose& pose, int steps) {
    ReferencePose walked = ToReference(pose);
    for (int i = 0; i < steps; ++i) ReferencePass(walked, ReferenceInput{{'W'}, 320, 240});
    return FromReference(walked);
}

FrameCheck CheckFrame(const Image& shot, int clientX, int clientY, const Pose& pose, int stride) {
    const ModelFrame model(pose, kClientWidth, kClientHeight);
    FrameCheck check;
    std::ostringstream examples;
    for (int j = 0; j < kClientHeight; j += stride)
        for (int i = 0; i < kClientWidth; i += stride) {
            // The model counts rows from the bottom, as the GL does.
            const Seen seen = model.Expected(i, kClientHeight - 1 - j);
            if (!seen.known) continue;
            int x = clientX + i, y = clientY + j;
            if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) continue;
            ++check.checked;
            Rgb actual = shot.At(x, y), expected = seen.colour;
            if (Near(actual, expected, kTolerance)) continue;
            if (++check.mismatched <= 5)
                examples << " (" << i << ", " << j << ") is " << actual.r << "," << actual.g << "," << actual.b
                         << " not " << expected.r << "," << expected.g << "," << expected.b << ";";
        }
    check.examples = examples.str();
    return check;
}

FrameCheck CheckStartFrame(const Image& shot, int clientX, int clientY) {
    return CheckFrame(shot, clientX, clientY, StartPose());
}

int FindForwardSteps(const Image& shot, int clientX, int clientY, int maxSteps) {
    // A coarse look at every candidate, then a close one at the few best:
    // neighbouring step counts differ by a pixel or two along edges.
    std::vector<int> coarse(maxSteps + 1);
    int fewest = -1;
    for (int n = 1; n <= maxSteps; ++n) {
        coarse[n] = CheckFrame(shot, clientX, clientY, AfterForwardSteps(StartPose(), n), 4).mismatched;
        if (fewest < 0 || coarse[n] < fewest) fewest = coarse[n];
    }
    int best = 0;
    FrameCheck bestCheck;
    for (int n = 1; n <= maxSteps; ++n) {
        if (coarse[n] > fewest + 3) continue;
        FrameCheck close = CheckFrame(shot, clientX, clientY, AfterForwardSteps(StartPose(), n));
        if (!best || close.mismatched < bestCheck.mismatched) {
            best = n;
            bestCheck = close;
        }
    }
    return best && bestCheck.Matches() ? best : 0;
}
