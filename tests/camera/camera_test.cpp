#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "tests/camera/reference_camera.h"
#include "tests/support/scripted_win32.h"

namespace {

// The pose every new window starts from.
void PlaceAtStart(CCamera& camera) { camera.Position_Camera(0, 2.5f, 5, 0, 2.5f, 0, 0, 1, 0); }

// Compares bit patterns, so that -0 and +0 or a last-bit difference show.
::testing::AssertionResult SameBits(float actual, float expected) {
    if (std::memcmp(&actual, &expected, sizeof(float)) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << actual << " is not " << expected;
}

void ExpectPose(const CCamera& c, tVector3 pos, tVector3 view) {
    EXPECT_TRUE(SameBits(c.pos.x, pos.x)) << "pos.x";
    EXPECT_TRUE(SameBits(c.pos.y, pos.y)) << "pos.y";
    EXPECT_TRUE(SameBits(c.pos.z, pos.z)) << "pos.z";
    EXPECT_TRUE(SameBits(c.view.x, view.x)) << "view.x";
    EXPECT_TRUE(SameBits(c.view.y, view.y)) << "view.y";
    EXPECT_TRUE(SameBits(c.view.z, view.z)) << "view.z";
}

class Camera : public ::testing::Test {
protected:
    void SetUp() override {
        scripted = ScriptedWin32();
        PlaceAtStart(camera);
    }
    void Hold(int key) { scripted.held[key] = true; }

    CCamera camera;
};

// Hand-worked single-precision values (0.015f is 0x1.eb851ep-7).
const float kOneStep = -0x1.333332p-4f;  // -5 * 0.015f, the start pose's step

TEST(Vector, SubtractsComponentwiseAndLeavesOperandsAlone) {
    tVector3 a(1.5f, -2, 0x1p-30f), b(0.25f, 3, 1);
    tVector3 d = a - b;
    EXPECT_EQ(d.x, 1.25f);
    EXPECT_EQ(d.y, -5.0f);
    EXPECT_TRUE(SameBits(d.z, -1.0f));  // 2^-30 is lost in float
    EXPECT_EQ(a.x, 1.5f);
    EXPECT_EQ(b.x, 0.25f);
}

TEST(GlobalCamera, IsAllZeroBeforeAnyoneSetsIt) {
    // Nothing in this test binary has placed objCamera.
    ExpectPose(objCamera, tVector3(0, 0, 0), tVector3(0, 0, 0));
    EXPECT_EQ(objCamera.up.y, 0.0f);
}

TEST_F(Camera, WalkingMovesAlongTheHorizontalLookDirectionOnly) {
    camera.Move_Camera(0.015f);
    ExpectPose(camera, tVector3(0, 2.5f, 0x1.3b3334p+2f), tVector3(0, 2.5f, kOneStep));
    camera.Move_Camera(0.015f);
    ExpectPose(camera, tVector3(0, 2.5f, 0x1.366668p+2f), tVector3(0, 2.5f, -0x1.333332p-3f));

    // Tilted: the step is still level and as long as before the tilt.
    PlaceAtStart(camera);
    camera.view.y = 10.5f;
    camera.Move_Camera(0.015f);
    ExpectPose(camera, tVector3(0, 2.5f, 0x1.3b3334p+2f), tVector3(0, 10.5f, kOneStep));
}

TEST_F(Camera, StrafingTakesItsSideFromTheKeys) {
    struct Case {
        const char* name;
        std::vector<int> keys;
        float posX;
    };
    const Case cases[] = {
        {"no strafe key", {}, 0},
        {"left arrow", {VK_LEFT}, kOneStep},
        {"A", {'A'}, kOneStep},
        {"right arrow", {VK_RIGHT}, -kOneStep},
        {"D", {'D'}, -kOneStep},
        {"left and right", {VK_LEFT, VK_RIGHT}, 0},
        {"A and D", {'A', 'D'}, 0},
        {"left arrow and A", {VK_LEFT, 'A'}, kOneStep},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        for (int key : c.keys) Hold(key);
        camera.Strafe_Camera(-0.015f);
        ExpectPose(camera, tVector3(c.posX, 2.5f, 5), tVector3(c.posX, 2.5f, 0));
    }
}

TEST_F(Camera, StrafingWithNoKeyHeldIgnoresSpeed) {
    for (float speed : {-0.015f, 0.015f, 1e30f, -7.0f}) {
        camera.Strafe_Camera(speed);
        ExpectPose(camera, tVector3(0, 2.5f, 5), tVector3(0, 2.5f, 0));
    }
}

TEST_F(Camera, FlyingFollowsTheTiltAndKeepsIt) {
    camera.Fly_Camera(0.015f);  // level: nothing to follow
    ExpectPose(camera, tVector3(0, 2.5f, 5), tVector3(0, 2.5f, 0));

    camera.view.y = 10.5f;  // looking up 8 units
    camera.Fly_Camera(0.015f);
    // 8 * 0.015f = 0x1.eb851ep-4 exactly; 2.5 + that and 10.5 + that, rounded.
    ExpectPose(camera, tVector3(0, 0x1.4f5c28p+1f, 5), tVector3(0, 0x1.53d70ap+3f, 0));
    EXPECT_EQ(camera.view.y - camera.pos.y, 8.0f);

    camera.view.y = camera.pos.y - 8;  // looking down, flying goes down
    camera.Fly_Camera(0.015f);
    EXPECT_LT(camera.pos.y, 0x1.4f5c28p+1f);
}

TEST_F(Camera, TurningByAPositiveAngleTurnsRight) {
    camera.Rotate_View(0);
    ExpectPose(camera, tVector3(0, 2.5f, 5), tVector3(0, 2.5f, 0));

    // A quarter turn from looking down -z looks down +x (sin 90 degrees is 1
    // and cos rounds to -0x1.777a5cp-25 in float).
    camera.Rotate_View(0x1.921fb6p+0f);
    EXPECT_TRUE(SameBits(camera.view.x, 5.0f));
    EXPECT_TRUE(SameBits(camera.view.z, 0x1.4p+2f));
    EXPECT_EQ(camera.view.y, 2.5f);
    EXPECT_EQ(camera.up.y, 1.0f);
}

TEST_F(Camera, PositionCameraSetsAllNineValues) {
    camera.Position_Camera(1, 2, 3, 4, 5, 6, 7, 8, 9);
    ExpectPose(camera, tVector3(1, 2, 3), tVector3(4, 5, 6));
    EXPECT_EQ(camera.up.x, 7.0f);
    EXPECT_EQ(camera.up.y, 8.0f);
    EXPECT_EQ(camera.up.z, 9.0f);
}

TEST_F(Camera, NothingHappensWhenViewIsAbovePos) {
    camera.view = tVector3(0, 9, 5);  // straight up from pos
    Hold('A');
    camera.Move_Camera(0.015f);
    camera.Strafe_Camera(-0.015f);
    camera.Rotate_View(1.0f);
    ExpectPose(camera, tVector3(0, 2.5f, 5), tVector3(0, 9, 5));
}

// --- Long sequences against the independent model -------------------------

void ToReference(const CCamera& c, ReferencePose& r) {
    const tVector3* parts[3] = {&c.pos, &c.view, &c.up};
    double* out[3] = {r.pos, r.view, r.up};
    for (int i = 0; i < 3; ++i) {
        out[i][0] = parts[i]->x;
        out[i][1] = parts[i]->y;
        out[i][2] = parts[i]->z;
    }
}

TEST_F(Camera, TurningAgreesWithTheModelToTheBitOverManyAngles) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> angle(-7.0f, 7.0f);
    ReferencePose model;
    ToReference(camera, model);
    for (int i = 0; i < 20000; ++i) {
        float a = angle(random);
        camera.Rotate_View(a);
        ReferenceTurn(model, a);
        ASSERT_TRUE(SameBits(camera.view.x, static_cast<float>(model.view[0]))) << "turn " << i;
        ASSERT_TRUE(SameBits(camera.view.z, static_cast<float>(model.view[2]))) << "turn " << i;
    }
}

}  // namespace
