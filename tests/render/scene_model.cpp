#include "tests/render/scene_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

struct RayHit {
    double t;  // along a ray whose forward component is 1, so also the depth
    Part part;
    Rgb colour;
    int order;
    bool uncertain;  // on a non-convex face, where the GL may or may not fill
    Vec3 normal;
};

namespace {

const double kPi = 3.14159265358979323846;
const double kNear = 0.1, kFar = 100.0;
const double kDepthStep = 1.0 / 65535.0;  // one step of a 16-bit depth buffer

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Unit(Vec3 a) { return (1.0 / std::sqrt(Dot(a, a))) * a; }

// Window depth, 0 at the near plane and 1 at the far one.
double WindowDepth(double depth) { return kFar * (depth - kNear) / ((kFar - kNear) * depth); }

struct Point2 {
    double u, v;
};

// A flat polygon of the scene, in world coordinates, in the order drawn.
struct Surface {
    std::vector<Vec3> corners;
    Part part;
    Rgb colour;
    int order;  // drawing order: of two surfaces at one depth, the later shows
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
// The tessellated sphere (10 stacks, 500 slices) lies between its
// circumscribed sphere and one shrunk by half a stack's and half a slice's
// angle; a ray that meets the two differently meets a facet edge-on.
const double kSphereOuter = 1.5;
const double kSphereInner = 1.5 * std::cos(kPi / 20) * std::cos(kPi / 500);

// Everything but the grid stands one unit up; emblem corners lie at z = 10.
Vec3 Raised(double x, double y, double z) { return {x, y + 1, z}; }
Vec3 Emblem(double x, double y) { return Raised(x, y, 10); }

std::vector<Surface> BuildScene() {
    std::vector<Surface> scene;
    int order = 0;
    auto quad = [&](Rgb c, Vec3 a, Vec3 b, Vec3 d, Vec3 e) {
        scene.push_back(Make({a, b, d, e}, Part::Cube, c, order++));
    };
    quad({0, 255, 0}, Raised(1, 1, -1), Raised(-1, 1, -1), Raised(-1, 1, 1), Raised(1, 1, 1));
    quad({255, 128, 0}, Raised(1, -1, 1), Raised(-1, -1, 1), Raised(-1, -1, -1), Raised(1, -1, -1));
    quad(colour::kRed, Raised(1, 1, 1), Raised(-1, 1, 1), Raised(-1, -1, 1), Raised(1, -1, 1));
    quad(colour::kYellow, Raised(1, -1, -1), Raised(-1, -1, -1), Raised(-1, 1, -1), Raised(1, 1, -1));
    quad({0, 0, 255}, Raised(-1, 1, 1), Raised(-1, 1, -1), Raised(-1, -1, -1), Raised(-1, -1, 1));
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

// Every surface the ray from `eye` along `ray` meets between the near and
// far planes, nearest first.
std::vector<RayHit> HitsAlong(Vec3 eye, Vec3 ray, double sphereRadius) {
    std::vector<RayHit> hits;
    for (const Surface& s : Scene()) {
        const double facing = Dot(s.normal, ray);
        if (std::fabs(facing) < 1e-12) continue;  // edge-on: no area to fill
        const double t = Dot(s.normal, s.corners[0] - eye) / facing;
        if (t < kNear || t > kFar) continue;
        const Insideness in = Inside(s, eye + t * ray);
        if (!in.outline && !in.fan) continue;
        hits.push_back({t, s.part, s.colour, s.order, in.outline != in.fan, s.normal});
    }
    const Vec3 toCentre = kSphereCentre - eye;
    const double a = Dot(ray, ray), b = Dot(ray, toCentre);
    const double discriminant = b * b - a * (Dot(toCentre, toCentre) - sphereRadius * sphereRadius);
    if (discriminant >= 0) {
        for (double t : {(b - std::sqrt(discriminant)) / a, (b + std::sqrt(discriminant)) / a}) {
            if (t < kNear || t > kFar) continue;
            const Vec3 normal = Unit(eye + t * ray - kSphereCentre);
            hits.push_back({t, Part::Sphere, colour::kMagenta, kSphereOrder, false, normal});
        }
    }
    std::sort(hits.begin(), hits.end(), [](const RayHit& p, const RayHit& q) { return p.t < q.t; });
    return hits;
}

bool SameSeen(const Seen& a, const Seen& b) {
    return a.known == b.known && a.part == b.part && a.colour.r == b.colour.r && a.colour.g == b.colour.g &&
           a.colour.b == b.colour.b;
}

}  // namespace

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) <= 1 && std::abs(a.g - b.g) <= 1 && std::abs(a.b - b.b) <= 1; }

std::string Describe(Rgb c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

ModelFrame::ModelFrame(const Pose& pose, int width, int height)
    : width(width), height(height), eye(pose.eye), centres(static_cast<std::size_t>(width) * height) {
    forward = Unit(pose.centre - pose.eye);
    side = Unit(Cross(forward, pose.up));
    up = Cross(side, forward);
    focal = 1.0 / std::tan(45.0 / 2 * kPi / 180);
    aspect = double(width) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) centres[y * width + x] = Trace(x + 0.5, y + 0.5);
}

Vec3 ModelFrame::Project(Vec3 world) const {
    const Vec3 v = world - eye;
    const double depth = Dot(v, forward);
    const double ndcX = focal / aspect * Dot(v, side) / depth, ndcY = focal * Dot(v, up) / depth;
    return {(ndcX + 1) * width / 2, (ndcY + 1) * height / 2, depth};
}

Vec3 ModelFrame::RayThrough(double x, double y) const {
    const double ndcX = 2 * x / width - 1, ndcY = 2 * y / height - 1;
    return forward + (ndcX * aspect / focal) * side + (ndcY / focal) * up;
}

bool ModelFrame::Unobstructed(Vec3 world) const {
    const double depth = Dot(world - eye, forward);
    const Vec3 ray = (1.0 / depth) * (world - eye);
    for (double radius : {kSphereOuter, kSphereInner}) {
        const std::vector<RayHit> hits = HitsAlong(eye, ray, radius);
        if (!hits.empty() && hits[0].t < depth * (1 - 1e-9)) return false;
    }
    return true;
}

Seen ModelFrame::Expected(int x, int y) const {
    if (x < 1 || y < 1 || x + 1 >= width || y + 1 >= height) return {false, Part::Nothing, colour::kBlack};
    const Seen centre = AtCentre(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!SameSeen(AtCentre(x + dx, y + dy), centre)) return {false, Part::Nothing, colour::kBlack};
    return centre;
}

Seen ModelFrame::Trace(double x, double y) const {
    const Seen unknown = {false, Part::Nothing, colour::kBlack};
    const Vec3 ray = RayThrough(x, y);
    Seen seen[2];
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<RayHit> hits = HitsAlong(eye, ray, pass == 0 ? kSphereOuter : kSphereInner);
        double linesHiddenFrom = 2.0;  // window depth; beyond the far plane's 1 when nothing shows
        seen[pass] = FirstSurface(hits, x, y, &linesHiddenFrom);
        if (!seen[pass].known || GridLineMayShow(ray, x, y, linesHiddenFrom)) return unknown;
    }
    return SameSeen(seen[0], seen[1]) ? seen[0] : unknown;
}

Seen ModelFrame::FirstSurface(const std::vector<RayHit>& hits, double x, double y, double* linesHiddenFrom) const {
    const Seen unknown = {false, Part::Nothing, colour::kBlack};
    if (hits.empty()) return {true, Part::Nothing, colour::kBlack};
    // Of the surfaces at the nearest depth (the emblem's coplanar layers),
    // the one drawn last shows, if it surely covers the ray.
    std::size_t shown = 0, next = 1;
    for (; next < hits.size() && hits[next].t - hits[0].t <= 1e-9 * hits[0].t; ++next)
        if (hits[next].order > hits[shown].order) shown = next;
    const RayHit& front = hits[shown];
    if (front.uncertain) return unknown;
    if (std::fabs(front.t - kNear) < 1e-3 || kFar - front.t < 0.1) return unknown;

    // A surface behind within a few depth steps, or within the depth either
    // one spans across a pixel (grazing views, polygon offsets), may show
    // instead.
    const RayHit& behind = next < hits.size() ? hits[next] : front;
    const Vec3 ray = RayThrough(x, y);
    double slope = 0;
    for (const RayHit* surface : {&front, &behind}) {
        for (Vec3 neighbour : {RayThrough(x + 1, y), RayThrough(x, y + 1)}) {
            const double t = Dot(surface->normal, surface->t * ray) / Dot(surface->normal, neighbour);
            slope = std::max(slope, std::fabs(WindowDepth(t) - WindowDepth(surface->t)));
        }
    }
    const double margin = 4 * kDepthStep + 3 * slope;
    if (next < hits.size() && WindowDepth(behind.t) - WindowDepth(front.t) < margin) return unknown;
    *linesHiddenFrom = WindowDepth(front.t) + margin;
    return {true, front.part, front.colour};
}

bool ModelFrame::GridLineMayShow(Vec3 ray, double x, double y, double hiddenFrom) const {
    if (std::fabs(ray.y) < 1e-12) return false;
    const double t = -eye.y / ray.y;
    if (t < kNear || t > kFar + 0.5 || WindowDepth(t) > hiddenFrom) return false;
    // Within a pixel and a half of a line of either direction, on screen.
    const Vec3 ground = eye + t * ray;
    for (int k = -1; k <= 1; ++k) {
        const double lineX = 5 * std::round(ground.x / 5) + 5 * k, lineZ = 5 * std::round(ground.z / 5) + 5 * k;
        const Vec3 lines[2][2] = {{{lineX, 0, ground.z}, {lineX, 0, ground.z + 0.01}},
                                  {{ground.x, 0, lineZ}, {ground.x + 0.01, 0, lineZ}}};
        for (const auto& line : lines) {
            const Vec3 a = Project(line[0]), b = Project(line[1]);
            const double dx = b.x - a.x, dy = b.y - a.y;
            if (std::fabs(dx * (y - a.y) - dy * (x - a.x)) / std::hypot(dx, dy) < 1.5) return true;
        }
    }
    return false;
}
