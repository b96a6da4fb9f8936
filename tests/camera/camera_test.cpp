// One idle pass's camera work (Keyboard_Input, then Mouse_Move(640, 480))
// from a few poses, against values worked by hand in single precision:
// 0.015f * 5 = 0x1.333332p-4, and one step from z = 5 reaches 0x1.3b3334p+2.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "camera/keyboard.h"
#include "tests/support/scripted_win32.h"

namespace {

enum Pose { START, QUARTER_TURNED, TILTED_UP };  // from (0, 2.5, 5) along -z; along +x; along -z, 8 up

struct Pass {
    const char* name;
    Pose pose;
    std::vector<int> held;
    POINT cursor;  // (0, 0): unreadable
    float pos[3], view[3];
    std::vector<int> asked;  // GetKeyState's codes in order, where they matter
};

TEST(Camera, APassMovesThePoseAsWorkedByHand) {
    const float Z1 = 0x1.3b3334p+2f, Z2 = 0x1.44ccccp+2f, STEP = 0x1.333332p-4f;
    const Pass passes[] = {
        {"W", START, {'W'}, {320, 240}, {0, 2.5f, Z1}, {0, 2.5f, -STEP}, {38, 87, 40, 83, 37, 65, 39, 68, 69}},
        {"up and W: once", START, {VK_UP, 'W'}, {320, 240}, {0, 2.5f, Z1}, {0, 2.5f, -STEP},
         {38, 40, 83, 37, 65, 39, 68, 69}},
        {"S", START, {'S'}, {320, 240}, {0, 2.5f, Z2}, {0, 2.5f, STEP}, {}},
        {"A: left", QUARTER_TURNED, {'A'}, {320, 240}, {0, 2.5f, Z1}, {5, 2.5f, Z1},
         {38, 87, 40, 83, 37, 65, 37, 65, 39, 68, 39, 68, 69}},
        {"D: right", QUARTER_TURNED, {'D'}, {320, 240}, {0, 2.5f, Z2}, {5, 2.5f, Z2}, {}},
        {"left and right", QUARTER_TURNED, {VK_LEFT, VK_RIGHT}, {320, 240}, {0, 2.5f, 5}, {5, 2.5f, 5}, {}},
        {"E", TILTED_UP, {'E'}, {320, 240}, {0, 0x1.4f5c28p+1f, 5}, {0, 0x1.53d70ap+3f, 0}, {}},
        {"10 px right", START, {}, {330, 240}, {0, 2.5f, 5}, {0x1.9997dap-5f, 2.5f, 0x1.06p-12f}, {}},
        {"10 px up", START, {}, {320, 230}, {0, 2.5f, 5}, {0, 0x1.428f5cp+1f, 0}, {}},
        {"tilt stops 8 above", START, {}, {320, -4760}, {0, 2.5f, 5}, {0, 10.5f, 0}, {}},
        {"tilt stops 8 below", START, {}, {320, 5240}, {0, 2.5f, 5}, {0, -5.5f, 0}, {}},
        // Where sinf or cosf would round the other way from sin or cos.
        {"95 px right", START, {}, {415, 240}, {0, 2.5f, 5}, {0x1.e5ab2ep-2f, 2.5f, 0x1.7162p-6f}, {}},
        {"1912 px right", START, {}, {2232, 240}, {0, 2.5f, 5}, {0x1.2d8d86p+2f, 2.5f, 0x1.ab1432p+2f}, {}},
        {"unreadable cursor", START, {}, {0, 0}, {0, 2.5f, 5}, {0, 2.5f, 0}, {}},
    };
    for (const Pass& p : passes) {
        SCOPED_TRACE(p.name);
        scripted = ScriptedWin32();
        objCamera.Position_Camera(0, 2.5f, 5, p.pose == QUARTER_TURNED ? 5 : 0, p.pose == TILTED_UP ? 10.5f : 2.5f,
                                  p.pose == QUARTER_TURNED ? 5 : 0, 0, 1, 0);
        for (int key : p.held) scripted.held[key] = true;
        scripted.cursor = p.cursor;
        bool readable = p.cursor.x != 0, moved = p.cursor.x != 320 || p.cursor.y != 240;
        if (!readable) scripted.failing = "GetCursorPos", scripted.nth = 1;

        Keyboard_Input();
        objCamera.Mouse_Move(640, 480);

        const tVector3 &pos = objCamera.pos, &view = objCamera.view;  // packed: three floats each
        EXPECT_EQ(std::memcmp(&pos, p.pos, sizeof p.pos), 0) << std::hexfloat << pos.x << " " << pos.y << " " << pos.z;
        EXPECT_EQ(std::memcmp(&view, p.view, sizeof p.view), 0)
            << std::hexfloat << view.x << " " << view.y << " " << view.z;
        EXPECT_TRUE(objCamera.up.x == 0 && objCamera.up.y == 1 && objCamera.up.z == 0);
        EXPECT_TRUE(p.asked.empty() || scripted.keysAsked == p.asked);
        EXPECT_EQ(scripted.calls["SetCursorPos"], readable && moved) << "pinned to (320, 240) once moved";
        EXPECT_TRUE(!readable || (scripted.cursor.x == 320 && scripted.cursor.y == 240));
    }
}

}  // namespace
