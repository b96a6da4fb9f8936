// The emblem's black faces lie in the plane of the green faces drawn before
// them, and its closing triangles in the plane of black face 6. The later
// layer must show over the earlier one everywhere, from every viewpoint,
// grazing ones included, on the program's 16-bit depth buffer.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "camera/camera.h"
#include "render/render.h"
#include "tests/render/frame_checks.h"

namespace {

bool Layered(Part part) { return part == Part::BlackFace || part == Part::ClosingTriangle; }

bool Face(Part part) { return part == Part::GreenFace || Layered(part); }

class CoplanarLayers : public FrameTest {
protected:
    // Every pixel of the emblem's faces that the model is sure of shows the
    // right layer, and enough of the black faces or closing triangles show.
    void ExpectLayersRight(int fewestLayered) {
        const Frame frame = Draw();
        const ModelFrame model = Model();
        EXPECT_TRUE(MatchesModel(frame, model, fewestLayered, Layered));
        EXPECT_TRUE(MatchesModel(frame, model, 0, Face));
    }
};

TEST_F(CoplanarLayers, UpCloseFaceFourIsBlackEverywhereWithNoGreenThrough) {
    // Turned round from the start pose: face 3 and its black face 4 fill
    // the view, five units away.
    objCamera.Rotate_View(3.14159265f);
    ExpectLayersRight(15000);
}

struct Viewpoint {
    const char* name;
    Vec3 eye, centre;
    int fewestLayered;  // pixels of black faces or closing triangles in view
};

void PrintTo(const Viewpoint& v, std::ostream* out) { *out << v.name; }

class FromViewpoints : public CoplanarLayers, public ::testing::WithParamInterface<Viewpoint> {};

TEST_P(FromViewpoints, BlackFacesAndClosingTrianglesShowOverTheGreen) {
    LookFrom(GetParam().eye, GetParam().centre);
    ExpectLayersRight(GetParam().fewestLayered);
}

// The emblem's plane is z = 10; its faces span x from -12 to 13 and y from
// -10 to 12 (one unit up). Grazing views stand a hair off that plane, on
// the side the faces show from; from the apex side, side triangles stand in
// front of most of them.
INSTANTIATE_TEST_SUITE_P(
    Poses, FromViewpoints,
    ::testing::Values(Viewpoint{"NearTheStartTurnedLeftAndDown", {0, 2.5, 5}, {-0.4, 2.0, 10}, 15000},
                      Viewpoint{"NearTheStartTurnedRightAndUp", {0, 2.5, 5}, {0.3, 2.9, 10}, 15000},
                      Viewpoint{"FromTheFront", {0, 1, 38}, {0, 1, 37}, 3000},
                      Viewpoint{"FromTheApexSide", {1, 0, -30}, {1, 0, 10}, 150},
                      Viewpoint{"SteeplyFromAboveRight", {30, 25, 16}, {0, 1, 10}, 300},
                      Viewpoint{"SteeplyFromBelow", {-3, -18, 13}, {-0.5, 1, 10}, 300},
                      Viewpoint{"GrazingAlongFaceOne", {-15, 7, 10.2}, {-8, 6.5, 10}, 3000},
                      Viewpoint{"GrazingAlongFaceSix", {16, -5.5, 10.05}, {10, -5.5, 10}, 700},
                      Viewpoint{"GrazingFromBelow", {0, -20, 11}, {-0.5, 1, 10}, 250},
                      Viewpoint{"GrazingAcross", {20, 0, 10.5}, {-2, 1, 10}, 60}),
    [](const ::testing::TestParamInfo<Viewpoint>& info) { return std::string(info.param.name); });

}  // namespace
