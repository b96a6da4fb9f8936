#include "tests/scene/model_frame.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
const double kNear = static_cast<double>(0.1f), kFar = 100.0;
const double kDepthStep = 1.0 / 65535.0;  // one step of a 16-bit depth buffer

// Window depth, 0 at the near plane and 1 at the far one.
double WindowDepth(double depth) { return kFar * (depth - kNear) / ((kFar - kNear) * depth); }

// The hits the frustum leaves, nearest first: the ray's forward component
// is 1, so a distance along it is also the depth the planes clip at.
std::vector<RayHit> InView(std::vector<RayHit> hits) {
    hits.erase(std::remove_if(hits.begin(), hits.end(), [](const RayHit& h) { return h.t < kNear || h.t > kFar; }),
               hits.end());
    std::sort(hits.begin(), hits.end(), [](const RayHit& p, const RayHit& q) { return p.t < q.t; });
    return hits;
}

bool SameSeen(const Seen& a, const Seen& b) { return a.known == b.known && a.part == b.part && a.colour == b.colour; }

const Seen kUnknown = {false, Part::Nothing, colour::kBlack};

// The parts that must show over a coplanar face drawn before them.
bool IsLayer(Part part) { return part == Part::BlackFace || part == Part::ClosingTriangle; }

}  // namespace

ModelFrame::ModelFrame(const Pose& pose, int width, int height)
    : width(width),
      height(height),
      eye(pose.eye),
      centres(static_cast<std::size_t>(width + 2) * (height + 2)),
      traced(centres.size()) {
    forward = Unit(pose.centre - pose.eye);
    side = Unit(Cross(forward, pose.up));
    up = Cross(side, forward);
    focal = 1.0 / std::tan(45.0 / 2 * kPi / 180);
    aspect = double(width) / height;
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
    const std::vector<RayHit> flat = FlatHits(eye, ray);
    for (double radius : {kSphereOuter, kSphereInner}) {
        std::vector<RayHit> hits = flat;
        AddSphereHits(eye, ray, radius, &hits);
        hits = InView(hits);
        if (!hits.empty() && hits[0].t < depth * (1 - 1e-9)) return false;
    }
    return true;
}

Seen ModelFrame::Expected(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return kUnknown;
    const Seen centre = AtCentre(x, y);
    if (!centre.known) return kUnknown;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!SameSeen(AtCentre(x + dx, y + dy), centre)) return kUnknown;
    return centre;
}

Seen ModelFrame::AtCentre(int x, int y) const {
    const std::size_t at = static_cast<std::size_t>(y + 1) * (width + 2) + (x + 1);
    if (!traced[at]) {
        centres[at] = Trace(x + 0.5, y + 0.5);
        traced[at] = true;
    }
    return centres[at];
}

Seen ModelFrame::Trace(double x, double y) const {
    const Vec3 ray = RayThrough(x, y);
    const std::vector<RayHit> flat = FlatHits(eye, ray);
    Seen seen[2];
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<RayHit> hits = flat;
        const bool sphereMet = AddSphereHits(eye, ray, pass == 0 ? kSphereOuter : kSphereInner, &hits);
        hits = InView(hits);
        double linesHiddenFrom = 2.0;  // window depth; beyond the far plane's 1 when nothing shows
        seen[pass] = FirstSurface(hits, x, y, &linesHiddenFrom);
        if (!seen[pass].known || GridLineMayShow(ray, x, y, linesHiddenFrom)) return kUnknown;
        if (pass == 0 && !sphereMet) return seen[0];  // the smaller sphere is missed too
    }
    return SameSeen(seen[0], seen[1]) ? seen[0] : kUnknown;
}

Seen ModelFrame::FirstSurface(const std::vector<RayHit>& hits, double x, double y, double* linesHiddenFrom) const {
    if (hits.empty()) return {true, Part::Nothing, colour::kBlack};
    // Of the surfaces at the nearest depth (the emblem's coplanar layers),
    // the one drawn last shows, if it surely covers the ray.
    std::size_t shown = 0, next = 1;
    for (; next < hits.size() && hits[next].t - hits[0].t <= 1e-9 * hits[0].t; ++next)
        if (hits[next].order > hits[shown].order) shown = next;
    const RayHit& front = hits[shown];
    if (front.uncertain) return kUnknown;
    if (std::fabs(front.t - kNear) < 1e-3 || kFar - front.t < 0.1) return kUnknown;

    // Two surfaces' depths, each rounded to a step of a 16-bit buffer, may
    // tie or swap within a couple of steps. A layer may stand further off
    // its depth: a polygon offset, fair means of keeping it over the
    // coplanar face under it, moves it by a few steps and by a few times the
    // depth its plane spans across a pixel (grazing views). Nothing else has
    // cause to be drawn off its depth.
    const RayHit& behind = next < hits.size() ? hits[next] : front;
    double margin = 2 * kDepthStep;
    for (const RayHit* surface : {&front, &behind})
        if (IsLayer(surface->part)) margin = std::max(margin, 4 * kDepthStep + 3 * DepthSlope(*surface, x, y));
    if (next < hits.size() && WindowDepth(behind.t) - WindowDepth(front.t) < margin) return kUnknown;
    // A grid line's depth is taken at a point up to a pixel from the pixel's
    // centre, so it may show through whatever stands within that slope.
    *linesHiddenFrom = WindowDepth(front.t) + std::max(margin, 4 * kDepthStep + 3 * DepthSlope(front, x, y));
    return {true, front.part, front.colour};
}

double ModelFrame::DepthSlope(const RayHit& surface, double x, double y) const {
    const Vec3 ray = RayThrough(x, y);
    double slope = 0;
    for (Vec3 neighbour : {RayThrough(x + 1, y), RayThrough(x, y + 1)}) {
        const double t = Dot(surface.normal, surface.t * ray) / Dot(surface.normal, neighbour);
        slope = std::max(slope, std::fabs(WindowDepth(t) - WindowDepth(surface.t)));
    }
    return slope;
}

bool ModelFrame::GridLineMayShow(Vec3 ray, double x, double y, double hiddenFrom) const {
    if (GroundEdgeOnNear(x, y, hiddenFrom)) return true;
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

bool ModelFrame::GroundEdgeOnNear(double x, double y, double hiddenFrom) const {
    bool down = false, up = false;
    double nearest = eye.y == 0 ? 0 : kFar + 1;
    for (double dx : {-1.5, 1.5})
        for (double dy : {-1.5, 1.5}) {
            const Vec3 ray = RayThrough(x + dx, y + dy);
            down = down || ray.y <= 0;
            up = up || ray.y >= 0;
            if (ray.y * eye.y < 0) nearest = std::min(nearest, -eye.y / ray.y);
        }
    const double depth = std::max(nearest, kNear);
    return down && up && depth <= kFar + 0.5 && WindowDepth(depth) <= hiddenFrom;
}
