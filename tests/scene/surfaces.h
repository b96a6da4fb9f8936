// The scene's surfaces, typed in afresh from its description rather than
// taken from the drawing code, and what a ray meets among them. Everything
// but the ground grid stands one unit up; the grid is left to the frame
// model, which knows how thin its lines are on screen.
#ifndef TESSALINE_TESTS_SCENE_SURFACES_H
#define TESSALINE_TESTS_SCENE_SURFACES_H

#include <vector>

#include "tests/scene/colour.h"
#include "tests/scene/vec3.h"

enum class Part { Nothing, Cube, Sphere, SideTriangle, GreenFace, BlackFace, ClosingTriangle };

struct RayHit {
    double t;  // how far along the ray, in multiples of its length
    Part part;
    Rgb colour;
    int order;       // drawing order: of two surfaces at one depth, the later shows
    bool uncertain;  // on a non-convex face, where the GL may or may not fill
    Vec3 normal;
};

// The tessellated sphere (10 stacks, 500 slices) lies between its
// circumscribed sphere and one shrunk by half a stack's and half a slice's
// angle; a ray that meets the two differently meets a facet edge-on.
extern const double kSphereOuter;
extern const double kSphereInner;

// Every flat surface (the cube's faces, the emblem) that the ray from `eye`
// along `ray` meets in front of the eye, in no order.
std::vector<RayHit> FlatHits(Vec3 eye, Vec3 ray);
// Adds where the ray meets the sphere taken at `radius` in front of the eye;
// false if it misses the sphere.
bool AddSphereHits(Vec3 eye, Vec3 ray, double radius, std::vector<RayHit>* hits);

#endif  // TESSALINE_TESTS_SCENE_SURFACES_H
