#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "camera/keyboard.h"
#include "tests/camera/reference_camera.h"
#include "tests/support/scripted_win32.h"

namespace {

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof(float)) == 0; }

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        scripted = ScriptedWin32();
        objCamera.Position_Camera(0, 2.5f, 5, 0, 2.5f, 0, 0, 1, 0);
    }
    void Hold(std::initializer_list<int> keys) {
        for (int key : keys) scripted.held[key] = true;
    }
    void PointAt(LONG x, LONG y) { scripted.cursor = POINT{x, y}; }
};

// --- Keyboard_Input --------------------------------------------------------

TEST_F(Controls, NoKeyLeavesTheCameraAloneAfterNineQueries) {
    Keyboard_Input();
    EXPECT_EQ(objCamera.pos.z, 5.0f);
    EXPECT_EQ(objCamera.view.z, 0.0f);
    EXPECT_EQ(scripted.keyStateQueries, 9);
}

TEST_F(Controls, KeyPairsMoveOnceAndAskTheSecondKeyOnlyWhenNeeded) {
    // Counts: each pair asks one key if its first is held, else two; each
    // Strafe_Camera asks two to four more for its own side test.
    struct Case {
        const char* name;
        std::initializer_list<int> keys;
        float posX, posZ;
        int queries;
    };
    const float step = 0x1.333332p-4f;  // 5 * 0.015f
    const Case cases[] = {
        {"up arrow", {VK_UP}, 0, 0x1.3b3334p+2f, 8},
        {"W", {'W'}, 0, 0x1.3b3334p+2f, 9},
        {"W and up arrow move once", {'W', VK_UP}, 0, 0x1.3b3334p+2f, 8},
        {"S", {'S'}, 0, 0x1.44ccccp+2f, 9},
        {"left arrow", {VK_LEFT}, -step, 5, 11},
        {"right arrow alone strafes right", {VK_RIGHT}, step, 5, 11},
        {"D", {'D'}, step, 5, 13},
        {"every first key", {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, 'E'}, 0, 5, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Hold(c.keys);
        Keyboard_Input();
        EXPECT_TRUE(SameBits(objCamera.pos.x, c.posX)) << std::hexfloat << objCamera.pos.x;
        EXPECT_TRUE(SameBits(objCamera.pos.z, c.posZ)) << std::hexfloat << objCamera.pos.z;
        EXPECT_EQ(scripted.keyStateQueries, c.queries);
    }
}

TEST_F(Controls, OpposingKeysCancelApartFromRounding) {
    Hold({'W', 'S', 'A', 'D'});
    for (int i = 0; i < 100; ++i) Keyboard_Input();
    EXPECT_NEAR(objCamera.pos.x, 0.0f, 1e-5);
    EXPECT_NEAR(objCamera.pos.z, 5.0f, 1e-5);
    EXPECT_NEAR(objCamera.view.z, 0.0f, 1e-5);
}

TEST_F(Controls, RisingWithEWaitsForATilt) {
    Hold({'E'});
    Keyboard_Input();
    EXPECT_EQ(objCamera.pos.y, 2.5f);
    PointAt(320, 230);  // mouse up 10 pixels
    objCamera.Mouse_Move(640, 480);
    Keyboard_Input();
    EXPECT_GT(objCamera.pos.y, 2.5f);
}

// --- Mouse_Move ------------------------------------------------------------

TEST_F(Controls, APinnedCursorChangesNothingAndIsNotMoved) {
    objCamera.Mouse_Move(640, 480);
    EXPECT_EQ(objCamera.view.x, 0.0f);
    EXPECT_EQ(objCamera.view.y, 2.5f);
    EXPECT_TRUE(scripted.cursorMoves.empty());
}

TEST_F(Controls, MouseRightTurnsRightByAThousandthRadianPerPixel) {
    PointAt(330, 240);
    objCamera.Mouse_Move(640, 480);
    // 0.01 rad: sin 0x1.47acaep-7, cos 0x1.fff972p-1, worked by hand.
    EXPECT_TRUE(SameBits(objCamera.view.x, 0x1.9997dap-5f)) << std::hexfloat << objCamera.view.x;
    EXPECT_TRUE(SameBits(objCamera.view.z, 0x1.06p-12f)) << std::hexfloat << objCamera.view.z;
    EXPECT_EQ(objCamera.view.y, 2.5f);
    ASSERT_EQ(scripted.cursorMoves.size(), 1u);
    EXPECT_EQ(scripted.cursorMoves[0].x, 320);
    EXPECT_EQ(scripted.cursorMoves[0].y, 240);
}

TEST_F(Controls, TurnUsesTheDoubleCosineRoundedNotTheFloatOne) {
    // At 1.912 rad cosf and the rounded double cosine differ in the last bit.
    PointAt(320 + 1912, 240);
    objCamera.Mouse_Move(640, 480);
    EXPECT_TRUE(SameBits(objCamera.view.z, 0x1.ab1432p+2f)) << std::hexfloat << objCamera.view.z;
    EXPECT_TRUE(SameBits(objCamera.view.x, 0x1.2d8d86p+2f)) << std::hexfloat << objCamera.view.x;
}

TEST_F(Controls, MouseUpRaisesTheViewTwoThousandthsPerPixel) {
    PointAt(320, 230);
    objCamera.Mouse_Move(640, 480);
    EXPECT_TRUE(SameBits(objCamera.view.y, 0x1.428f5cp+1f)) << std::hexfloat << objCamera.view.y;
    EXPECT_EQ(objCamera.view.x, 0.0f);
}

TEST_F(Controls, TiltStopsExactlyEightUnitsFromTheEye) {
    PointAt(320, 240 - 5000);
    objCamera.Mouse_Move(640, 480);
    EXPECT_EQ(objCamera.view.y, 10.5f);
    objCamera.Fly_Camera(0.015f);
    EXPECT_EQ(objCamera.view.y - objCamera.pos.y, 8.0f);

    PointAt(320, 240 + 20000);
    objCamera.Mouse_Move(640, 480);
    EXPECT_EQ(objCamera.view.y, objCamera.pos.y - 8);
}

TEST_F(Controls, AnUnreadableCursorChangesNothing) {
    scripted.Fail("GetCursorPos");
    PointAt(0, 0);
    for (int i = 0; i < 3; ++i) objCamera.Mouse_Move(640, 480);
    EXPECT_EQ(objCamera.view.x, 0.0f);
    EXPECT_EQ(objCamera.view.y, 2.5f);
    EXPECT_EQ(objCamera.view.z, 0.0f);
    EXPECT_TRUE(scripted.cursorMoves.empty());
}

TEST_F(Controls, OddWindowSizesPinToTheFlooredCentre) {
    PointAt(320, 240);
    objCamera.Mouse_Move(641, 481);
    EXPECT_TRUE(scripted.cursorMoves.empty());
}

// --- Whole passes against the independent model ---------------------------

TEST_F(Controls, LongRandomPassesMatchTheModelToTheBit) {
    const int keys[] = {VK_UP, 'W', VK_DOWN, 'S', VK_LEFT, 'A', VK_RIGHT, 'D', 'E'};
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        SetUp();
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> coin(0, 3), dx(-2000, 2400), dy(-700, 900), still(0, 4);
        ReferencePose model = {{0, 2.5, 5}, {0, 2.5, 0}, {0, 1, 0}};
        for (int pass = 0; pass < 5000; ++pass) {
            ReferenceInput input;
            scripted.held[0] = false;
            for (int key : keys) {
                bool down = coin(random) == 0;
                scripted.held[key] = down;
                if (down) input.held.insert(key);
            }
            bool pinned = still(random) == 0;
            input.cursorX = pinned ? 320 : 320 + dx(random) / (1 + coin(random) * 40);
            input.cursorY = pinned ? 240 : 240 + dy(random) / (1 + coin(random) * 40);
            PointAt(static_cast<LONG>(input.cursorX), static_cast<LONG>(input.cursorY));

            Keyboard_Input();
            objCamera.Mouse_Move(640, 480);
            ReferencePass(model, input);

            const float got[6] = {objCamera.pos.x,  objCamera.pos.y,  objCamera.pos.z,
                                  objCamera.view.x, objCamera.view.y, objCamera.view.z};
            const double* want[6] = {&model.pos[0],  &model.pos[1],  &model.pos[2],
                                     &model.view[0], &model.view[1], &model.view[2]};
            for (int i = 0; i < 6; ++i)
                ASSERT_TRUE(SameBits(got[i], static_cast<float>(*want[i])))
                    << "pass " << pass << " component " << i << ": " << std::hexfloat << got[i] << " vs "
                    << *want[i];
        }
    }
}

}  // namespace
