#include "tests/e2e/frames/reference_camera.h"

#include <cmath>

namespace {

enum { X = 0, Y = 1, Z = 2 };

// The volatile store keeps the compiler from narrowing the double operations
// back to float ones (or, as GCC 12 did at -O2, dropping a rounding).
double R(double exact) {
    volatile float rounded = static_cast<float>(exact);
    return rounded;
}

bool Either(const ReferenceInput& input, int first, int second) {
    return input.held.count(first) != 0 || input.held.count(second) != 0;
}

// Adds step * d to the chosen components of pos and view, d taken before.
void Walk(ReferencePose& p, double speed) {
    double dx = R(p.view[X] - p.pos[X]), dz = R(p.view[Z] - p.pos[Z]);
    p.pos[X] = R(p.pos[X] + R(dx * speed));
    p.pos[Z] = R(p.pos[Z] + R(dz * speed));
    p.view[X] = R(p.view[X] + R(dx * speed));
    p.view[Z] = R(p.view[Z] + R(dz * speed));
}

void Strafe(ReferencePose& p, const ReferenceInput& input, double speed) {
    double dx = R(p.view[X] - p.pos[X]), dz = R(p.view[Z] - p.pos[Z]);
    double alongX = R(dx * speed), alongZ = R(dz * speed);
    if (Either(input, 37, 'A')) {
        p.pos[Z] = R(p.pos[Z] + alongX);
        p.view[Z] = R(p.view[Z] + alongX);
        p.pos[X] = R(p.pos[X] - alongZ);
        p.view[X] = R(p.view[X] - alongZ);
    }
    if (Either(input, 39, 'D')) {
        p.pos[Z] = R(p.pos[Z] - alongX);
        p.view[Z] = R(p.view[Z] - alongX);
        p.pos[X] = R(p.pos[X] + alongZ);
        p.view[X] = R(p.view[X] + alongZ);
    }
}

void Fly(ReferencePose& p, double speed) {
    double dy = R(p.view[Y] - p.pos[Y]);
    p.pos[Y] = R(p.pos[Y] + R(dy * speed));
    p.view[Y] = R(p.view[Y] + R(dy * speed));
}

}  // namespace

void ReferenceTurn(ReferencePose& p, float angle) {
    double s = R(std::sin(static_cast<double>(angle)));
    double c = R(std::cos(static_cast<double>(angle)));
    double dx = R(p.view[X] - p.pos[X]), dz = R(p.view[Z] - p.pos[Z]);
    p.view[Z] = R(R(p.pos[Z] + R(s * dx)) + R(c * dz));
    p.view[X] = R(R(p.pos[X] + R(c * dx)) - R(s * dz));
}

void ReferencePass(ReferencePose& p, const ReferenceInput& input) {
    const double speed = static_cast<float>(0.015);
    if (Either(input, 38, 'W')) Walk(p, speed);
    if (Either(input, 40, 'S')) Walk(p, -speed);
    if (Either(input, 37, 'A')) Strafe(p, input, -speed);
    if (Either(input, 39, 'D')) Strafe(p, input, -speed);
    if (input.held.count('E')) Fly(p, speed);

    if (input.cursorX == 320 && input.cursorY == 240) return;
    double turn = R(static_cast<double>(320 - input.cursorX) / 1000.0);
    double tilt = R(static_cast<double>(240 - input.cursorY) / 1000.0);
    p.view[Y] = R(p.view[Y] + R(tilt * 2.0));
    if (R(p.view[Y] - p.pos[Y]) > 8.0) p.view[Y] = R(p.pos[Y] + 8.0);
    if (R(p.view[Y] - p.pos[Y]) < -8.0) p.view[Y] = R(p.pos[Y] - 8.0);
    ReferenceTurn(p, static_cast<float>(-turn));
}
