// What the viewer's scene must show through any point of its 640 x 480
// client area, worked out by casting a ray into an exact model of the scene
// (ground grid, cube, sphere, emblem) rather than by drawing it, so that a
// screenshot can be checked against something other than the renderer.
//
// The projection is the viewer's: 45 degrees vertical field of view, aspect
// 640 / 480, near plane 0.1, far plane 100.
#ifndef TESSALINE_TESTS_E2E_FRAMES_SCENE_MODEL_H
#define TESSALINE_TESTS_E2E_FRAMES_SCENE_MODEL_H

#include "tests/e2e/frames/image.h"

struct Vec3 {
    double x, y, z;
};

// A camera as gluLookAt takes it: eye, looked-at point, up.
struct Pose {
    Vec3 pos, view, up;
};

// What a ray from the eye meets first.
struct Sight {
    // False where the GL may show either of two things: the sphere's
    // tessellated edge, emblem faces drawn in one plane, a grid line.
    bool known;
    long long surface;  // which surface: neighbouring rays compare these
    Rgb colour;
};

const int kClientWidth = 640;
const int kClientHeight = 480;

// The sight through client-area point (x, y), measured from the client
// area's top-left corner; the centre of pixel (i, j) is (i + 0.5, j + 0.5).
Sight Look(const Pose& pose, double x, double y);

// The colour of client-area pixel (i, j) when the model is sure of it: every
// ray within a pixel of its centre meets the same known surface.
bool ExpectedColour(const Pose& pose, int i, int j, Rgb* colour);

// Where a world point lands in the client area; false when it is behind the
// eye.
bool Project(const Pose& pose, Vec3 point, double* x, double* y);

#endif  // TESSALINE_TESTS_E2E_FRAMES_SCENE_MODEL_H
