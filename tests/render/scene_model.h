// An independent model of what each pixel of a frame shows, to check frames
// against. The camera's look-at and 45-degree perspective are worked out
// here from first principles, the scene's surfaces are typed in afresh from
// its description, and a pixel shows what the ray through its centre meets
// first. Where the answer hangs on rounding, on the 16-bit depth resolution
// or on the GL's own choices (edges, the sphere's facets, grid lines, how a
// non-convex face fills), the model says it does not know rather than guess.
#ifndef TESSALINE_TESTS_RENDER_SCENE_MODEL_H
#define TESSALINE_TESTS_RENDER_SCENE_MODEL_H

#include <string>
#include <vector>

#include "tests/render/gl_window.h"

struct Vec3 {
    double x, y, z;
};

struct Pose {
    Vec3 eye, centre, up;
};

enum class Part { Nothing, Cube, Sphere, SideTriangle, GreenFace, BlackFace, ClosingTriangle };

struct Seen {
    bool known;
    Part part;
    Rgb colour;
};

// The colours as 8-bit values; 0.5 lands on 127 or 128.
namespace colour {
const Rgb kBlack = {0, 0, 0};
const Rgb kGrid = {150, 190, 150};
const Rgb kMagenta = {255, 0, 255};
const Rgb kYellow = {255, 255, 0};
const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};
const Rgb kDarkGreen = {0, 102, 0};  // path 1's side triangles, 0.4
const Rgb kMidGreen = {0, 128, 0};   // paths 2 and 3, 0.5
}  // namespace colour

// A surface met by a ray (defined with the model).
struct RayHit;

// Equal within one step per channel: how far a colour given in floats may
// land from the nearest 8-bit value.
bool Near(Rgb a, Rgb b);
std::string Describe(Rgb c);

class ModelFrame {
public:
    // The frame the program draws from `pose` in a width x height window.
    ModelFrame(const Pose& pose, int width, int height);

    // Window coordinates (pixels, origin at the bottom-left corner) of a
    // world point in x and y, and its distance in front of the eye in z.
    Vec3 Project(Vec3 world) const;
    // What pixel (x, y) must show; unknown unless it and its eight
    // neighbours all show the same thing.
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
    bool GridLineMayShow(Vec3 ray, double x, double y, double hiddenFrom) const;
    Seen AtCentre(int x, int y) const { return centres[y * width + x]; }

    Vec3 eye, forward, side, up;
    double focal, aspect;
    std::vector<Seen> centres;
};

#endif  // TESSALINE_TESTS_RENDER_SCENE_MODEL_H
