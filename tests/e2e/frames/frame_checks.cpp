#include "tests/e2e/frames/frame_checks.h"

#include <cmath>
#include <sstream>
#include <vector>

namespace {

const int kClientWidth = 640;
const int kClientHeight = 480;

// Per channel: a 16-bit display keeps 5 or 6 bits of each.
const int kTolerance = 12;

struct FloatVector {
    float x, y, z;
};

Pose ToPose(FloatVector pos, FloatVector view) {
    return Pose{{pos.x, pos.y, pos.z}, {view.x, view.y, view.z}, {0, 1, 0}};
}

FloatVector ToFloat(Vec3 v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

float Sin(float a) { return static_cast<float>(std::sin(static_cast<double>(a))); }
float Cos(float a) { return static_cast<float>(std::cos(static_cast<double>(a))); }

}  // namespace

Pose StartPose() { return Pose{{0, 2.5, 5}, {0, 2.5, 0}, {0, 1, 0}}; }

Pose AfterMouseMove(const Pose& pose, int dx, int dy) {
    FloatVector pos = ToFloat(pose.eye), view = ToFloat(pose.centre);
    float turn = static_cast<float>(-dx) / 1000;
    float tilt = static_cast<float>(-dy) / 1000;
    view.y += tilt * 2;
    if (view.y - pos.y > 8) view.y = pos.y + 8;
    if (view.y - pos.y < -8) view.y = pos.y - 8;
    // The view turns about the vertical through the eye, by -turn radians.
    float angle = -turn;
    FloatVector look = {view.x - pos.x, view.y - pos.y, view.z - pos.z};
    view.z = pos.z + Sin(angle) * look.x + Cos(angle) * look.z;
    view.x = pos.x + Cos(angle) * look.x - Sin(angle) * look.z;
    return ToPose(pos, view);
}

Pose AfterForwardSteps(const Pose& pose, int steps) {
    FloatVector pos = ToFloat(pose.eye), view = ToFloat(pose.centre);
    const float speed = 0.015f;
    for (int i = 0; i < steps; ++i) {
        FloatVector look = {view.x - pos.x, view.y - pos.y, view.z - pos.z};
        pos.x += look.x * speed;
        pos.z += look.z * speed;
        view.x += look.x * speed;
        view.z += look.z * speed;
    }
    return ToPose(pos, view);
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
