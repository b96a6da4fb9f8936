// Whole frames drawn by the program from chosen poses, read back and
// checked against the model: what must show where follows from the camera
// pose, the projection and the scene alone.
#include <gtest/gtest.h>

#include "camera/camera.h"
#include "render/render.h"
#include "tests/render/frame_checks.h"

namespace {

using colour::kBlack;
using colour::kDarkGreen;
using colour::kGreen;
using colour::kMagenta;
using colour::kMidGreen;
using colour::kYellow;

// A frame of 640 x 480 has 307200 pixels; the model is sure of most.
const int kMostOfTheFrame = 200000;

class Frames : public FrameTest {};

TEST_F(Frames, FromBehindTheCubeTheSphereShowsMagentaWithTheBackFaceCornersPokingOut) {
    LookFrom({0, 2.5, -8}, {0, 2.5, -7});
    const Frame frame = Draw();
    const ModelFrame model = Model();

    // The sphere has no colour of its own: it keeps the cube's last, magenta.
    // Looking along +z, +x is to the left.
    ExpectSeenAt(frame, model, {0, 1, 0}, Part::Sphere, kMagenta, "the sphere's centre");
    ExpectSeenAt(frame, model, {0.9, 1.9, -1}, Part::Cube, kYellow, "the back face's top left corner");
    ExpectSeenAt(frame, model, {0.9, 0.1, -1}, Part::Cube, kYellow, "the back face's bottom left corner");
    ExpectSeenAt(frame, model, {-0.9, 0.1, -1}, Part::Cube, kYellow, "the back face's bottom right corner");
    // The fourth corner is behind a side triangle of the second outline.
    ExpectSeenAt(frame, model, {-0.97, 1.97, -1}, Part::SideTriangle, kMidGreen, "the back face's top right corner");
    EXPECT_TRUE(MatchesModel(frame, model, kMostOfTheFrame));
}

TEST_F(Frames, FromBehindTheCubeGridLinesRunOverBlackGround) {
    LookFrom({0, 2.5, -8}, {0, 2.5, -7});
    const Frame frame = Draw();
    const ModelFrame model = Model();

    for (Vec3 onLine : {Vec3{-5, 0, 2.5}, Vec3{-5, 0, 5}, Vec3{2.5, 0, 0}, Vec3{-2.5, 0, 0}, Vec3{-7.5, 0, 10}})
        ExpectGridLineAt(frame, model, onLine);
    ExpectSeenAt(frame, model, {-7.5, 0, 7.5}, Part::Nothing, kBlack, "the ground between lines");
}

TEST_F(Frames, LookingTheOtherWayTheGridEndsAtTheFarPlane) {
    LookFrom({0, 2.5, -8}, {0, 2.5, -9});
    const Frame frame = Draw();
    const ModelFrame model = Model();

    for (Vec3 onLine : {Vec3{10, 0, -30}, Vec3{-10, 0, -40}, Vec3{-20, 0, -50}, Vec3{0, 0, -60}})
        ExpectGridLineAt(frame, model, onLine);
    for (Vec3 onLine : {Vec3{0, 0, -150}, Vec3{10, 0, -200}, Vec3{-20, 0, -300}}) ExpectNoGridAt(frame, model, onLine);
    EXPECT_TRUE(MatchesModel(frame, model, kMostOfTheFrame));
}

TEST_F(Frames, FromTheStartPoseSideTrianglesFillTheViewWithTheSphereInAGap) {
    const Frame frame = Draw();  // InitGL left the camera at the start pose
    const ModelFrame model = Model();

    // The eye stands inside the fan of the second outline's side triangles.
    ExpectSeenAt(frame, model, {2.6, 0.6, 0}, Part::SideTriangle, kMidGreen, "a side triangle, bottom right");
    ExpectSeenAt(frame, model, {-2, 0.8, 0}, Part::SideTriangle, kMidGreen, "a side triangle, bottom left");
    ExpectSeenAt(frame, model, {0, 2.3, 0.75}, Part::Sphere, kMagenta, "the sphere through the gap");
    EXPECT_TRUE(MatchesModel(frame, model, kMostOfTheFrame));
    // So no ground, and no grid, shows anywhere.
    int groundOrGrid = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            groundOrGrid += Near(frame.At(x, y), kBlack) || Near(frame.At(x, y), colour::kGrid);
    EXPECT_EQ(groundOrGrid, 0);
}

TEST_F(Frames, TheWholeEmblemShowsItsFacesAndTheSideTrianglesAroundThem) {
    LookFrom({0, 1, 38}, {0, 1, 37});
    const Frame frame = Draw();
    const ModelFrame model = Model();

    // Emblem points are one unit up, like everything but the grid.
    ExpectSeenAt(frame, model, {-11, 6, 10}, Part::GreenFace, kGreen, "face 1");
    ExpectSeenAt(frame, model, {-8, 6.5, 10}, Part::BlackFace, kBlack, "face 2, inside face 1");
    ExpectSeenAt(frame, model, {-1.7, 1, 10}, Part::GreenFace, kGreen, "face 3");
    ExpectSeenAt(frame, model, {0.7, 3, 10}, Part::GreenFace, kGreen, "face 3 above face 4");
    ExpectSeenAt(frame, model, {-0.5, 1, 10}, Part::BlackFace, kBlack, "face 4, inside face 3");
    ExpectSeenAt(frame, model, {6, -5.5, 10}, Part::GreenFace, kGreen, "face 5");
    ExpectSeenAt(frame, model, {10, -5.5, 10}, Part::BlackFace, kBlack, "face 6, inside face 5");
    ExpectSeenAt(frame, model, {11, -3.667, 10}, Part::ClosingTriangle, kGreen, "the notch at (11, -5)");
    ExpectSeenAt(frame, model, {11, -7.333, 10}, Part::ClosingTriangle, kGreen, "the second closing triangle");
    ExpectSeenAt(frame, model, {-1.6, 7.5, 0}, Part::SideTriangle, kDarkGreen, "a side triangle of path 1");
    ExpectSeenAt(frame, model, {-0.4, 7, 4}, Part::SideTriangle, kDarkGreen, "another of path 1");
    ExpectSeenAt(frame, model, {3, 3, 2}, Part::SideTriangle, kMidGreen, "a side triangle of path 2");
    EXPECT_TRUE(MatchesModel(frame, model, kMostOfTheFrame * 4 / 5));
}

TEST_F(Frames, ThirdPathIsOpenWhereFaceSixMeetsFaceFivesEdge) {
    // On face 5's edge x = 13 from (13, -8) to (13, -5) no side triangle
    // stands. Look at face 6 through the point q that such a triangle would
    // hold, a tenth of the way from the edge's middle to the apex. (World
    // coordinates: the emblem stands one unit up.)
    const Vec3 faceSix = {12.5, -5.5, 10};
    const Vec3 edgeMiddle = {13, -5.5, 10}, apex = {2, 9, -15};
    const Vec3 q = {0.9 * edgeMiddle.x + 0.1 * apex.x, 0.9 * edgeMiddle.y + 0.1 * apex.y,
                    0.9 * edgeMiddle.z + 0.1 * apex.z};
    const Vec3 eye = {faceSix.x + 3 * (q.x - faceSix.x), faceSix.y + 3 * (q.y - faceSix.y),
                      faceSix.z + 3 * (q.z - faceSix.z)};
    LookFrom(eye, faceSix);
    const Frame frame = Draw();
    const ModelFrame model = Model();

    ExpectSeenAt(frame, model, faceSix, Part::BlackFace, kBlack, "face 6 past the missing side triangle");
    EXPECT_TRUE(MatchesModel(frame, model, kMostOfTheFrame / 2));
}

TEST_F(Frames, DrawingFromAPoseAgainGivesTheSameFrame) {
    const Frame first = Draw();
    const Frame second = Draw();
    LookFrom({0, 1, 38}, {0, 1, 37});
    Draw();
    LookFrom({0, 2.5, 5}, {0, 2.5, 0});
    const Frame third = Draw();

    EXPECT_TRUE(first == second);
    EXPECT_TRUE(first == third);
}

}  // namespace
