// One idle pass's camera work (Keyboard_Input, then Mouse_Move(640, 480))
// from a few poses, against values worked by hand in single precision:
// 0.015f * 5 = 0x1.333332p-4, and one step from z = 5 reaches 0x1.3b3334p+2.
#include <vector>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "camera/keyboard.h"
#include "tests/support/scripted_win32.h"

// The eye at (0, 2.5, 5), looking at one of these: along -z; along +x; along
// -z and 8 up.
const tVector3 START(0, 2.5f, 0), QUARTER_TURNED(5, 2.5f, 5), TILTED_UP(0, 10.5f, 0);

struct Pass {
    const char* name;
    tVector3 lookAt;
    std::vector<int> held;
    POINT cursor;  // (0, 0): unreadable
    std::vector<float> pos, view;
};

// Rows pair a key with a mouse move where the two touch different coordinates.
TEST(Camera, APassMovesThePoseAsWorkedByHand) {
    const float Z1 = 0x1.3b3334p+2f, Z2 = 0x1.44ccccp+2f, STEP = 0x1.333332p-4f;
    const Pass passes[] = {
        // Walking stays level; rising moves along the view's height only.
        {"W and E", TILTED_UP, {'W', 'E'}, {320, 240}, {0, 0x1.4f5c28p+1f, Z1}, {0, 0x1.53d70ap+3f, -STEP}},
        {"up and W: once", START, {VK_UP, 'W'}, {320, 240}, {0, 2.5f, Z1}, {0, 2.5f, -STEP}},
        {"S, the cursor unreadable", START, {'S'}, {0, 0}, {0, 2.5f, Z2}, {0, 2.5f, STEP}},
        {"A: left; tilt stops 8 below", QUARTER_TURNED, {'A'}, {320, 5240}, {0, 2.5f, Z1}, {5, -5.5f, Z1}},
        {"D: right; tilt stops 8 above", QUARTER_TURNED, {'D'}, {320, -4760}, {0, 2.5f, Z2}, {5, 10.5f, Z2}},
        {"left and right", QUARTER_TURNED, {VK_LEFT, VK_RIGHT}, {320, 240}, {0, 2.5f, 5}, {5, 2.5f, 5}},
        // Turns where sinf or cosf would round the other way from sin or cos.
        {"95 px right, 10 up", START, {}, {415, 230}, {0, 2.5f, 5}, {0x1.e5ab2ep-2f, 0x1.428f5cp+1f, 0x1.7162p-6f}},
        {"1912 px right", START, {}, {2232, 240}, {0, 2.5f, 5}, {0x1.2d8d86p+2f, 2.5f, 0x1.ab1432p+2f}},
    };
    for (const Pass& p : passes) {
        SCOPED_TRACE(p.name);
        scripted = ScriptedWin32{{}, {}, p.cursor.x ? "" : "GetCursorPos", 1, {}, p.cursor};
        objCamera.Position_Camera(0, 2.5f, 5, p.lookAt.x, p.lookAt.y, p.lookAt.z, 0, 1, 0);
        for (int key : p.held) scripted.held[key] = true;

        Keyboard_Input();
        objCamera.Mouse_Move(640, 480);

        // Packed: three floats each.
        EXPECT_EQ(std::vector<float>(&objCamera.pos.x, &objCamera.pos.x + 3), p.pos);
        EXPECT_EQ(std::vector<float>(&objCamera.view.x, &objCamera.view.x + 3), p.view);
        EXPECT_TRUE(!p.cursor.x || (scripted.cursor.x == 320 && scripted.cursor.y == 240)) << "pinned to the centre";
    }
    // With no key held, as in the last row, every key is asked for in turn.
    EXPECT_EQ(scripted.keysAsked, std::vector<int>({38, 87, 40, 83, 37, 65, 39, 68, 69}));
}
