// An independent model of what each pixel of a frame shows, to check frames
// against. The camera's look-at and 45-degree perspective are worked out
// here from first principles, and a pixel shows what the ray through its
// centre meets first among the scene's surfaces. Where the answer hangs on
// rounding, on the 16-bit depth resolution or on the GL's own choices
// (edges, the sphere's facets, grid lines, how a non-convex face fills), the
// model says it does not know rather than guess.
#ifndef TESSALINE_TESTS_SCENE_MODEL_FRAME_H
#define TESSALINE_TESTS_SCENE_MODEL_FRAME_H

#include <vector>

#include "tests/scene/colour.h"
#include "tests/scene/surfaces.h"
#include "tests/scene/vec3.h"

// A camera as gluLookAt takes it.
struct Pose {
    Vec3 eye, centre, up;
};

struct Seen {
    bool known;
    Part part;
    Rgb colour;
};

class ModelFrame {
public:
    // The frame the program draws from `pose` in a width x height window.
    // Pixels are worked out when first asked for.
    ModelFrame(const Pose& pose, int width, int height);

    // Window coordinates (pixels, origin at the bottom-left corner) of a
    // world point in x and y, and its distance in front of the eye in z.
    Vec3 Project(Vec3 world) const;
    // What pixel (x, y) must show; unknown unless what the rays through its
    // centre and through its eight neighbours' centres meet is all the same.
    Seen Expected(int x, int y) const;
    // Whether no surface between the near and far planes stands in front of
    // a world point: the point shows, unless a grid line runs over it.
    bool Unobstructed(Vec3 world) const;

    const int width, height;

private:
    Vec3 RayThrough(double x, double y) const;
    // What the ray through window point (x, y) meets first.
    Seen Trace(double x, double y) const;
    Seen FirstSurface(const std::vector<RayHit>& hits, double x, double y, double* linesHiddenFrom) const;
    // How far the window depth of a surface's plane changes from pixel (x, y)
    // to the next, across or up.
    double DepthSlope(const RayHit& surface, double x, double y) const;
    bool GridLineMayShow(Vec3 ray, double x, double y, double hiddenFrom) const;
    // Whether the horizon runs within a pixel and a half of window point
    // (x, y) with ground in view there. Seen edge-on, from an eye at or near
    // its height, the grid folds onto the horizon: a line there may stand at
    // any depth from the nearest ground point of the neighbourhood outwards.
    bool GroundEdgeOnNear(double x, double y, double hiddenFrom) const;
    // What the ray through the centre of pixel (x, y) meets, for x from -1
    // to width and y from -1 to height.
    Seen AtCentre(int x, int y) const;

    Vec3 eye, forward, side, up;
    double focal, aspect;
    mutable std::vector<Seen> centres;
    mutable std::vector<bool> traced;
};

#endif  // TESSALINE_TESTS_SCENE_MODEL_FRAME_H
