#include "tests/render/frame_checks.h"

#include <cmath>
#include <string>
#include <vector>

#include "camera/camera.h"
#include "render/render.h"

void FrameTest::SetUp() {
    ReSizeGLScene(window.width, window.height);
    InitGL();
}

void FrameTest::LookFrom(Vec3 eye, Vec3 centre) {
    objCamera.Position_Camera(float(eye.x), float(eye.y), float(eye.z), float(centre.x), float(centre.y),
                              float(centre.z), 0, 1, 0);
}

Frame FrameTest::Draw() {
    EXPECT_EQ(DrawGLScene(), 1);
    return window.ReadBack();
}

ModelFrame FrameTest::Model() const {
    const CCamera& c = objCamera;
    const Pose pose = {{c.pos.x, c.pos.y, c.pos.z}, {c.view.x, c.view.y, c.view.z}, {c.up.x, c.up.y, c.up.z}};
    return ModelFrame(pose, window.width, window.height);
}

::testing::AssertionResult MatchesModel(const Frame& frame, const ModelFrame& model, int fewest,
                                        const std::function<bool(Part)>& chosen) {
    int checked = 0, wrong = 0;
    std::string examples;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const Seen seen = model.Expected(x, y);
            if (!seen.known || !chosen(seen.part)) continue;
            ++checked;
            if (Near(frame.At(x, y), seen.colour)) continue;
            if (++wrong <= 5)
                examples += "\n  pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                            Describe(frame.At(x, y)) + ", not " + Describe(seen.colour);
        }
    }
    if (wrong > 0)
        return ::testing::AssertionFailure()
               << wrong << " of " << checked << " pixels differ from the model" << examples;
    if (checked < fewest)
        return ::testing::AssertionFailure() << "only " << checked << " pixels checked, fewer than " << fewest;
    return ::testing::AssertionSuccess() << checked << " pixels match";
}

void ExpectSeenAt(const Frame& frame, const ModelFrame& model, Vec3 point, Part part, Rgb colour, const char* what) {
    const Vec3 at = model.Project(point);
    const int x = static_cast<int>(std::floor(at.x)), y = static_cast<int>(std::floor(at.y));
    ASSERT_TRUE(x >= 0 && y >= 0 && x < frame.width && y < frame.height) << what << " is out of view";
    const Seen seen = model.Expected(x, y);
    ASSERT_TRUE(seen.known && seen.part == part && seen.colour == colour)
        << what << " is not plainly in view at pixel (" << x << ", " << y << ")";
    EXPECT_TRUE(Near(frame.At(x, y), colour)) << what << " at pixel (" << x << ", " << y << ") is "
                                              << Describe(frame.At(x, y)) << ", not " << Describe(colour);
}

namespace {

// The 3 x 3 pixels around where a ground point lands; none if a surface
// hides the point or it is out of view.
std::vector<Rgb> AroundGround(const Frame& frame, const ModelFrame& model, Vec3 ground) {
    const Vec3 at = model.Project(ground);
    const int x = static_cast<int>(std::floor(at.x)), y = static_cast<int>(std::floor(at.y));
    std::vector<Rgb> around;
    if (!model.Unobstructed(ground) || x < 1 || y < 1 || x + 1 >= frame.width || y + 1 >= frame.height) return around;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) around.push_back(frame.At(x + dx, y + dy));
    return around;
}

std::string Where(Vec3 p) {
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ", " + std::to_string(p.z) + ")";
}

}  // namespace

void ExpectGridLineAt(const Frame& frame, const ModelFrame& model, Vec3 ground) {
    ASSERT_LT(model.Project(ground).z, 100.0) << Where(ground) << " is beyond the far plane";
    const std::vector<Rgb> around = AroundGround(frame, model, ground);
    ASSERT_EQ(around.size(), 9u) << Where(ground) << " is hidden or out of view";
    bool line = false;
    for (Rgb c : around) line = line || Near(c, colour::kGrid);
    EXPECT_TRUE(line) << "no grid line at " << Where(ground);
}

void ExpectNoGridAt(const Frame& frame, const ModelFrame& model, Vec3 ground) {
    ASSERT_GT(model.Project(ground).z, 100.0) << Where(ground) << " is in front of the far plane";
    const std::vector<Rgb> around = AroundGround(frame, model, ground);
    ASSERT_EQ(around.size(), 9u) << Where(ground) << " is hidden or out of view";
    for (Rgb c : around) EXPECT_TRUE(Near(c, colour::kBlack)) << Describe(c) << " near " << Where(ground);
}
