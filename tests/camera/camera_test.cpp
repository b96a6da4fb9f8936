// One idle pass's camera work (Keyboard_Input, then Mouse_Move(640, 480))
// from a few poses, against values worked by hand in single precision:
// 0.015f * 5 = 0x1.333332p-4, so one step from z = 5 is 0x1.3b3334p+2.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "camera/keyboard.h"
#include "tests/support/scripted_win32.h"

namespace {

enum Pose { START, QUARTER_TURNED, TILTED_UP };  // looking along -z, along +x, 8 up

struct Pass {
    const char* name;
    Pose pose;
    std::vector<int> held;
    POINT cursor;
    float pos[3], view[3];
    std::vector<int> asked;  // GetKeyState's codes in order, where they matter
};

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Camera, APassMovesThePoseAsWorkedByHand) {
    const float Z1 = 0x1.3b3334p+2f, STEP = 0x1.333332p-4f;
    const Pass passes[] = {
        {"W walks", START, {'W'}, {320, 240}, {0, 2.5f, Z1}, {0, 2.5f, -STEP}, {38, 87, 40, 83, 37, 65, 39, 68, 69}},
        {"up and W move once", START, {VK_UP, 'W'}, {320, 240}, {0, 2.5f, Z1}, {0, 2.5f, -STEP},
         {38, 40, 83, 37, 65, 39, 68, 69}},
        {"S walks back", START, {'S'}, {320, 240}, {0, 2.5f, 0x1.44ccccp+2f}, {0, 2.5f, STEP}, {}},
        {"A strafes left", QUARTER_TURNED, {'A'}, {320, 240}, {0, 2.5f, Z1}, {5, 2.5f, Z1},
         {38, 87, 40, 83, 37, 65, 37, 65, 39, 68, 39, 68, 69}},
        {"D strafes right", QUARTER_TURNED, {'D'}, {320, 240}, {0, 2.5f, 0x1.44ccccp+2f}, {5, 2.5f, 0x1.44ccccp+2f}, {}},
        {"left and right cancel", QUARTER_TURNED, {VK_LEFT, VK_RIGHT}, {320, 240}, {0, 2.5f, 5}, {5, 2.5f, 5}, {}},
        {"E rises along the tilt", TILTED_UP, {'E'}, {320, 240}, {0, 0x1.4f5c28p+1f, 5}, {0, 0x1.53d70ap+3f, 0}, {}},
        {"E at level does nothing", START, {'E'}, {320, 240}, {0, 2.5f, 5}, {0, 2.5f, 0}, {}},
        {"10 px right turns right", START, {}, {330, 240}, {0, 2.5f, 5}, {0x1.9997dap-5f, 2.5f, 0x1.06p-12f}, {}},
        {"10 px up tilts up", START, {}, {320, 230}, {0, 2.5f, 5}, {0, 0x1.428f5cp+1f, 0}, {}},
        {"tilt stops 8 above", START, {}, {320, -4760}, {0, 2.5f, 5}, {0, 10.5f, 0}, {}},
        {"tilt stops 8 below", START, {}, {320, 5240}, {0, 2.5f, 5}, {0, -5.5f, 0}, {}},
        // Where sinf or cosf would round the other way from the double functions.
        {"95 px: the sine", START, {}, {415, 240}, {0, 2.5f, 5}, {0x1.e5ab2ep-2f, 2.5f, 0x1.7162p-6f}, {}},
        {"1912 px: the cosine", START, {}, {2232, 240}, {0, 2.5f, 5}, {0x1.2d8d86p+2f, 2.5f, 0x1.ab1432p+2f}, {}},
        {"an unreadable cursor", START, {}, {0, 0}, {0, 2.5f, 5}, {0, 2.5f, 0}, {}},
    };
    for (const Pass& p : passes) {
        SCOPED_TRACE(p.name);
        scripted = ScriptedWin32();
        const float viewX = p.pose == QUARTER_TURNED ? 5 : 0, viewY = p.pose == TILTED_UP ? 10.5f : 2.5f;
        objCamera.Position_Camera(0, 2.5f, 5, viewX, viewY, p.pose == QUARTER_TURNED ? 5 : 0, 0, 1, 0);
        for (int key : p.held) scripted.held[key] = true;
        scripted.cursor = p.cursor;
        if (p.cursor.x == 0) scripted.failing["GetCursorPos"] = 1;

        Keyboard_Input();
        objCamera.Mouse_Move(640, 480);

        const float got[6] = {objCamera.pos.x,  objCamera.pos.y,  objCamera.pos.z,
                              objCamera.view.x, objCamera.view.y, objCamera.view.z};
        const float* want[6] = {&p.pos[0], &p.pos[1], &p.pos[2], &p.view[0], &p.view[1], &p.view[2]};
        for (int i = 0; i < 6; ++i) EXPECT_TRUE(SameBits(got[i], *want[i])) << i << ": " << std::hexfloat << got[i];
        EXPECT_TRUE(objCamera.up.x == 0 && objCamera.up.y == 1 && objCamera.up.z == 0);
        if (!p.asked.empty()) {
            EXPECT_EQ(scripted.keysAsked, p.asked);
        }
        bool readable = p.cursor.x != 0, moved = p.cursor.x != 320 || p.cursor.y != 240;
        EXPECT_EQ(scripted.calls["SetCursorPos"], readable && moved);
        EXPECT_TRUE(!readable || (scripted.cursor.x == 320 && scripted.cursor.y == 240)) << "pinned";
    }
}

}  // namespace
