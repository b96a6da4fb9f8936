#include "tests/e2e/frames/scene_model.h"

#include <cmath>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;
const double kNear = static_cast<double>(0.1f);
const double kFar = 100.0;
const double kFocal = 1.0 / std::tan(22.5 * kPi / 180.0);  // cot(fov / 2)
const double kAspect = 640.0 / 480.0;

Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Scale(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Normalise(Vec3 a) { return Scale(a, 1.0 / std::sqrt(Dot(a, a))); }

struct Basis {
    Vec3 side, up, forward;
};

// gluLookAt's camera frame.
Basis BasisOf(const Pose& pose) {
    Vec3 forward = Normalise(Sub(pose.view, pose.pos));
    Vec3 side = Normalise(Cross(forward, pose.up));
    return {side, Cross(side, forward), forward};
}

// A flat convex piece of the scene.
struct Polygon {
    std::vector<Vec3> corners;
    Rgb colour;
    bool known;  // false for the emblem's faces, which share one plane
};

const Rgb kBlack = {0, 0, 0};
const Rgb kMagenta = {255, 0, 255};

// The scene as the viewer draws it; everything but the grid stands one unit
// higher than written.
std::vector<Polygon> BuildScene() {
    std::vector<Polygon> scene;
    auto raised = [](double x, double y, double z) { return Vec3{x, y + 1, z}; };

    struct Face {
        Rgb colour;
        double corners[4][3];
    };
    const Face cube[] = {
        {{0, 255, 0}, {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}}},          // top
        {{255, 128, 0}, {{1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}}},    // bottom
        {{255, 0, 0}, {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}}},          // front
        {{255, 255, 0}, {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}}},    // back
        {{0, 0, 255}, {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},      // left
        {{255, 0, 255}, {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}}},        // right
    };
    for (const Face& face : cube) {
        Polygon polygon{{}, face.colour, true};
        for (const auto& c : face.corners) polygon.corners.push_back(raised(c[0], c[1], c[2]));
        scene.push_back(polygon);
    }

    // The emblem's side triangles join each outline edge to one apex.
    const Vec3 apex = raised(2, 8, -15);
    struct Path {
        Rgb colour;
        std::vector<std::pair<double, double>> points;
    };
    const Path paths[] = {
        {{0, 102, 0}, {{-12, 11}, {-6, 11}, {-4, 9}, {-4, 2}, {-6, 0}, {-12, 0}, {-12, 11}}},
        {{0, 128, 0}, {{-2, 3}, {1, 3}, {4, -6}, {2, -6}, {1, -3}, {-2, -3}, {-4, -6}, {-6, -6}, {-2, 3}}},
        {{0, 128, 0}, {{13, -5}, {13, -4}, {11, -2}, {7, -2}, {5, -5}, {5, -8}, {7, -11}, {11, -11}, {13, -9}, {13, -8}}},
    };
    for (const Path& path : paths)
        for (size_t i = 0; i + 1 < path.points.size(); ++i) {
            Vec3 a = raised(path.points[i].first, path.points[i].second, 10);
            Vec3 b = raised(path.points[i + 1].first, path.points[i + 1].second, 10);
            scene.push_back(Polygon{{a, apex, b}, path.colour, true});
        }

    // The emblem's faces lie in one plane, drawn over each other, and two of
    // them are not convex: whichever shows is the GL's affair. Their bounding
    // outlines are enough to keep those pixels out of any check.
    const std::vector<std::pair<double, double>> outlines[] = {
        {{-12, 11}, {-4, 11}, {-4, 0}, {-12, 0}},
        {{-6, 3}, {4, 3}, {4, -6}, {-6, -6}},
        {{5, -2}, {13, -2}, {13, -11}, {5, -11}},
    };
    for (const auto& outline : outlines) {
        Polygon polygon{{}, kBlack, false};
        for (const auto& point : outline) polygon.corners.push_back(raised(point.first, point.second, 10));
        scene.push_back(polygon);
    }
    return scene;
}

const std::vector<Polygon>& Scene() {
    static const std::vector<Polygon> scene = BuildScene();
    return scene;
}

// The distance along the ray to a convex polygon, or -1 when it misses.
double Hit(const Polygon& polygon, Vec3 eye, Vec3 ray) {
    const std::vector<Vec3>& c = polygon.corners;
    Vec3 normal = Cross(Sub(c[1], c[0]), Sub(c[2], c[0]));
    double facing = Dot(normal, ray);
    if (facing == 0) return -1;
    double t = Dot(normal, Sub(c[0], eye)) / facing;
    Vec3 point = Add(eye, Scale(ray, t));
    double side = 0;
    for (size_t i = 0; i < c.size(); ++i) {
        double s = Dot(normal, Cross(Sub(c[(i + 1) % c.size()], c[i]), Sub(point, c[i])));
        if (side == 0) side = s;
        if (s * side < 0) return -1;
    }
    return t;
}

// Where the ray enters a sphere about the raised origin, or -1.
double SphereEntry(Vec3 eye, Vec3 ray, double radius) {
    Vec3 offset = Sub(eye, Vec3{0, 1, 0});
    double a = Dot(ray, ray), b = 2 * Dot(offset, ray), c = Dot(offset, offset) - radius * radius;
    double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) return -1;
    return (-b - std::sqrt(discriminant)) / (2 * a);
}

const long long kClear = -1;
const long long kSphere = -2;
const long long kGround = 1000000;  // and upwards, one per grid cell

}  // namespace

Sight Look(const Pose& pose, double x, double y) {
    Basis basis = BasisOf(pose);
    double eyeX = (x / kClientWidth * 2 - 1) * kAspect / kFocal;
    double eyeY = (1 - y / kClientHeight * 2) / kFocal;
    // The forward part is 1, so a distance along the ray is the eye-space
    // depth the near and far planes clip at.
    Vec3 ray = Add(basis.forward, Add(Scale(basis.side, eyeX), Scale(basis.up, eyeY)));
    auto visible = [](double t) { return t >= kNear && t <= kFar; };

    Sight nearest = {true, kClear, kBlack};
    double nearestT = kFar + 1;
    const std::vector<Polygon>& scene = Scene();
    for (size_t i = 0; i < scene.size(); ++i) {
        double t = Hit(scene[i], pose.pos, ray);
        if (visible(t) && t < nearestT) {
            nearestT = t;
            nearest = Sight{scene[i].known, static_cast<long long>(i), scene[i].colour};
        }
    }
    if (ray.y < 0) {
        // The grid lines are thin: a pixel is black ground when its
        // neighbourhood stays within one cell.
        double t = -pose.pos.y / ray.y;
        if (visible(t) && t < nearestT) {
            nearestT = t;
            Vec3 point = Add(pose.pos, Scale(ray, t));
            long long cellX = static_cast<long long>(std::floor(point.x / 5)) + 1000;
            long long cellZ = static_cast<long long>(std::floor(point.z / 5)) + 1000;
            nearest = Sight{true, kGround + cellX * 4000 + cellZ, kBlack};
        }
    }

    // glutSolidSphere's 10 stacks and 500 slices make flat faces, each
    // within 10 degrees of arc, whose corners lie on the sphere: the surface
    // lies between the sphere and one of radius 1.5 cos(10 degrees).
    double outer = SphereEntry(pose.pos, ray, 1.5);
    if (!visible(outer) || nearestT < outer) return nearest;
    double inner = SphereEntry(pose.pos, ray, 1.5 * std::cos(10 * kPi / 180));
    if (visible(inner) && nearestT > inner) return Sight{true, kSphere, kMagenta};
    return Sight{false, kSphere, kMagenta};
}

bool ExpectedColour(const Pose& pose, int i, int j, Rgb* colour) {
    Sight centre = Look(pose, i + 0.5, j + 0.5);
    if (!centre.known) return false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            Sight near = Look(pose, i + 0.5 + dx, j + 0.5 + dy);
            if (!near.known || near.surface != centre.surface) return false;
        }
    *colour = centre.colour;
    return true;
}

bool Project(const Pose& pose, Vec3 point, double* x, double* y) {
    Basis basis = BasisOf(pose);
    Vec3 offset = Sub(point, pose.pos);
    double depth = Dot(offset, basis.forward);
    if (depth <= 0) return false;
    double ndcX = Dot(offset, basis.side) / depth * kFocal / kAspect;
    double ndcY = Dot(offset, basis.up) / depth * kFocal;
    *x = (ndcX + 1) / 2 * kClientWidth;
    *y = (1 - ndcY) / 2 * kClientHeight;
    return true;
}
