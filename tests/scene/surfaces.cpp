#include "tests/scene/surfaces.h"

#include <algorithm>
#include <cmath>

const double kSphereOuter = 1.5;
const double kSphereInner = 1.5 * std::cos(3.14159265358979323846 / 20) * std::cos(3.14159265358979323846 / 500);

namespace {

struct Point2 {
    double u, v;
};

// A flat polygon of the scene, in world coordinates, in the order drawn.
struct Surface {
    std::vector<Vec3> corners;
    Part part;
    Rgb colour;
    int order;
    Vec3 normal;
    int dropped;               // the axis left out to test insideness in the plane
    std::vector<Point2> flat;  // the corners with that axis left out
    Point2 low, high;          // their bounds
};

Point2 Flatten(Vec3 p, int dropped) {
    if (dropped == 0) return {p.y, p.z};
    if (dropped == 1) return {p.z, p.x};
    return {p.x, p.y};
}

bool InsideTriangle(Point2 p, Point2 a, Point2 b, Point2 c) {
    auto edge = [](Point2 from, Point2 to, Point2 q) {
        return (to.u - from.u) * (q.v - from.v) - (to.v - from.v) * (q.u - from.u);
    };
    const double e1 = edge(a, b, p), e2 = edge(b, c, p), e3 = edge(c, a, p);
    return (e1 >= 0 && e2 >= 0 && e3 >= 0) || (e1 <= 0 && e2 <= 0 && e3 <= 0);
}

// Inside the outline by the even-odd rule, and inside the fan of triangles
// from the first corner, which is how Mesa fills a polygon. The two differ
// only for a non-convex outline, where the GL may fill either way.
struct Insideness {
    bool outline, fan;
};

Insideness Inside(const Surface& s, Vec3 q) {
    const Point2 p = Flatten(q, s.dropped);
    if (p.u < s.low.u || p.v < s.low.v || p.u > s.high.u || p.v > s.high.v) return {false, false};
    const std::vector<Point2>& c = s.flat;
    bool outline = false;
    for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
        if ((c[i].v > p.v) != (c[j].v > p.v) && p.u < (c[j].u - c[i].u) * (p.v - c[i].v) / (c[j].v - c[i].v) + c[i].u)
            outline = !outline;
    }
    bool fan = false;
    for (std::size_t i = 1; i + 1 < c.size() && !fan; ++i) fan = InsideTriangle(p, c[0], c[i], c[i + 1]);
    return {outline, fan};
}

Surface Make(std::vector<Vec3> corners, Part part, Rgb colour, int order) {
    Vec3 n = {0, 0, 0};  // Newell's normal: sound even with corners in line
    for (std::size_t i = 0; i < corners.size(); ++i) {
        Vec3 a = corners[i], b = corners[(i + 1) % corners.size()];
        n = n + Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    }
    const double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    const int dropped = ax >= ay && ax >= az ? 0 : (ay >= az ? 1 : 2);
    Surface s = {corners, part, colour, order, Unit(n), dropped, {}, {1e300, 1e300}, {-1e300, -1e300}};
    for (Vec3 corner : corners) {
        const Point2 p = Flatten(corner, dropped);
        s.flat.push_back(p);
        s.low = {std::min(s.low.u, p.u), std::min(s.low.v, p.v)};
        s.high = {std::max(s.high.u, p.u), std::max(s.high.v, p.v)};
    }
    return s;
}

const Vec3 kSphereCentre = {0, 1, 0};
const int kSphereOrder = 6;  // drawn after the cube's six faces

// Emblem corners lie at z = 10.
Vec3 Raised(double x, double y, double z) { return {x, y + 1, z}; }
Vec3 Emblem(double x, double y) { return Raised(x, y, 10); }

std::vector<Surface> BuildScene() {
    std::vector<Surface> scene;
    int order = 0;
    auto quad = [&](Rgb c, Vec3 a, Vec3 b, Vec3 d, Vec3 e) {
        scene.push_back(Make({a, b, d, e}, Part::Cube, c, order++));
    };
    quad(colour::kGreen, Raised(1, 1, -1), Raised(-1, 1, -1), Raised(-1, 1, 1), Raised(1, 1, 1));
    quad(colour::kOrange, Raised(1, -1, 1), Raised(-1, -1, 1), Raised(-1, -1, -1), Raised(1, -1, -1));
    quad(colour::kRed, Raised(1, 1, 1), Raised(-1, 1, 1), Raised(-1, -1, 1), Raised(1, -1, 1));
    quad(colour::kYellow, Raised(1, -1, -1), Raised(-1, -1, -1), Raised(-1, 1, -1), Raised(1, 1, -1));
    quad(colour::kBlue, Raised(-1, 1, 1), Raised(-1, 1, -1), Raised(-1, -1, -1), Raised(-1, -1, 1));
    quad(colour::kMagenta, Raised(1, 1, -1), Raised(1, 1, 1), Raised(1, -1, 1), Raised(1, -1, -1));
    order = kSphereOrder + 1;

    typedef std::vector<Point2> Outline;
    const Vec3 apex = Raised(2, 8, -15);
    auto sides = [&](const Outline& path, Rgb c) {
        for (std::size_t i = 0; i + 1 < path.size(); ++i)
            scene.push_back(Make({Emblem(path[i].u, path[i].v), apex, Emblem(path[i + 1].u, path[i + 1].v)},
                                 Part::SideTriangle, c, order++));
    };
    sides({{-12, 11}, {-6, 11}, {-4, 9}, {-4, 2}, {-6, 0}, {-12, 0}, {-12, 11}}, colour::kDarkGreen);
    sides({{-2, 3}, {1, 3}, {4, -6}, {2, -6}, {1, -3}, {-2, -3}, {-4, -6}, {-6, -6}, {-2, 3}}, colour::kMidGreen);
    sides({{13, -5}, {13, -4}, {11, -2}, {7, -2}, {5, -5}, {5, -8}, {7, -11}, {11, -11}, {13, -9}, {13, -8}},
          colour::kMidGreen);

    auto face = [&](const Outline& outline, Part part, Rgb c) {
        std::vector<Vec3> corners;
        for (Point2 p : outline) corners.push_back(Emblem(p.u, p.v));
        scene.push_back(Make(corners, part, c, order++));
    };
    face({{-12, 11}, {-6, 11}, {-4, 9}, {-4, 2}, {-6, 0}, {-12, 0}}, Part::GreenFace, colour::kGreen);
    face({{-10, 9}, {-8, 9}, {-6, 7}, {-6, 4}, {-8, 2}, {-10, 2}}, Part::BlackFace, colour::kBlack);
    face({{-2, 3}, {1, 3}, {4, -6}, {2, -6}, {1, -3}, {-2, -3}, {-4, -6}, {-6, -6}}, Part::GreenFace, colour::kGreen);
    face({{0, 1}, {0, -1}, {-1, -1}, {-1, 1}}, Part::BlackFace, colour::kBlack);
    face({{13, -5}, {13, -8}, {13, -9}, {11, -11}, {7, -11}, {5, -8}, {5, -5}, {7, -2}, {11, -2}, {13, -4}},
         Part::GreenFace, colour::kGreen);
    face({{13, -5}, {11, -5}, {9, -4}, {7, -6}, {7, -7}, {9, -9}, {13, -8}}, Part::BlackFace, colour::kBlack);
    face({{13, -5}, {11, -5}, {9, -4}}, Part::ClosingTriangle, colour::kGreen);
    face({{13, -8}, {11, -8}, {9, -9}}, Part::ClosingTriangle, colour::kGreen);
    return scene;
}

const std::vector<Surface>& Scene() {
    static const std::vector<Surface> scene = BuildScene();
    return scene;
}

}  // namespace

std::vector<RayHit> FlatHits(Vec3 eye, Vec3 ray) {
    std::vector<RayHit> hits;
    for (const Surface& s : Scene()) {
        const double facing = Dot(s.normal, ray);
        if (std::fabs(facing) < 1e-12) continue;  // edge-on: no area to fill
        const double t = Dot(s.normal, s.corners[0] - eye) / facing;
        if (t <= 0) continue;
        const Insideness in = Inside(s, eye + t * ray);
        if (!in.outline && !in.fan) continue;
        hits.push_back({t, s.part, s.colour, s.order, in.outline != in.fan, s.normal});
    }
    return hits;
}

bool AddSphereHits(Vec3 eye, Vec3 ray, double radius, std::vector<RayHit>* hits) {
    const Vec3 toCentre = kSphereCentre - eye;
    const double a = Dot(ray, ray), b = Dot(ray, toCentre);
    const double discriminant = b * b - a * (Dot(toCentre, toCentre) - radius * radius);
    if (discriminant < 0) return false;
    for (double t : {(b - std::sqrt(discriminant)) / a, (b + std::sqrt(discriminant)) / a}) {
        if (t <= 0) continue;
        const Vec3 normal = Unit(eye + t * ray - kSphereCentre);
        hits->push_back({t, Part::Sphere, colour::kMagenta, kSphereOrder, false, normal});
    }
    return true;
}
