// One idle pass's camera work (Keyboard_Input, then Mouse_Move(640, 480))
// from poses a walk reaches after a turn and a tilt, against values worked
// by hand in single precision: each product (a look component times 0.015f,
// a sine or cosine rounded from double to float) and each sum rounded in
// turn.
#include <vector>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "camera/keyboard.h"
#include "tests/support/scripted_win32.h"

// Eye, then the point looked at. The look directions' components all differ
// in size, so that no term of a step is multiplied by zero: (-4, -2, -3),
// (-3.5, 1.25, -3) and (2.5, -1, -4.5).
const float DOWN_LEFT[] = {1.25f, 2.5f, 4, -2.75f, 0.5f, 1}, UP_LEFT[] = {1.25f, 2.5f, 4, -2.25f, 3.75f, 1},
            DOWN_RIGHT[] = {2.25f, 2.5f, 3.5f, 4.75f, 1.5f, -1};

struct Pass {
    const char* name;
    const float* from;
    std::vector<int> held;
    POINT cursor;  // (0, 0): unreadable
    std::vector<float> pos, view;
};

// Rows pair a key with a mouse move where the two touch different coordinates.
TEST(Camera, APassMovesThePoseAsWorkedByHand) {
    const Pass passes[] = {
        // Walking stays level, once for two keys; rising moves along the view's height only.
        {"up, W and E", UP_LEFT, {VK_UP, 'W', 'E'}, {320, 240}, {0x1.328f5cp+0f, 0x1.426666p+1f, 0x1.fa3d7p+1f},
         {-0x1.26b852p+1f, 0x1.e26666p+1f, 0x1.e8f5c2p-1f}},
        {"S, the cursor unreadable", DOWN_RIGHT, {'S'}, {0, 0}, {0x1.1b3334p+1f, 2.5f, 0x1.c8a3d8p+1f},
         {0x1.2d999ap+2f, 1.5f, -0x1.dd70a4p-1f}},
        {"A: left; tilt stops 8 below", DOWN_LEFT, {'A'}, {320, 5240}, {0x1.347ae2p+0f, 2.5f, 0x1.03d70ap+2f},
         {-0x1.65c29p+1f, -5.5f, 0x1.0f5c28p+0f}},
        {"D: right; tilt stops 8 above", UP_LEFT, {'D'}, {320, -4760}, {0x1.4b851ep+0f, 2.5f, 0x1.f947aep+1f},
         {-0x1.1a3d7p+1f, 10.5f, 0x1.e51eb8p-1f}},
        // The two sides cancel, but for one rounding.
        {"left and right", UP_LEFT, {VK_LEFT, VK_RIGHT}, {320, 240}, {1.25f, 2.5f, 0x1.fffffep+1f}, {-2.25f, 3.75f, 1}},
        // Turns where sinf or cosf would round the other way from sin or cos.
        {"95 px right, 10 up", DOWN_LEFT, {}, {415, 230}, {1.25f, 2.5f, 4},
         {-0x1.394426p+1f, 0x1.0a3d7p-1f, 0x1.44a898p-1f}},
        {"1912 px right", DOWN_RIGHT, {}, {2232, 240}, {2.25f, 2.5f, 3.5f}, {0x1.69dbacp+2f, 1.5f, 0x1.d725bep+2f}},
    };
    for (const Pass& p : passes) {
        SCOPED_TRACE(p.name);
        scripted = ScriptedWin32{{}, {}, p.cursor.x ? "" : "GetCursorPos", 1, {}, p.cursor};
        objCamera.Position_Camera(p.from[0], p.from[1], p.from[2], p.from[3], p.from[4], p.from[5], 0, 1, 0);
        for (int key : p.held) scripted.held[key] = true;

        Keyboard_Input();
        objCamera.Mouse_Move(640, 480);

        // Packed: three floats each.
        EXPECT_EQ(std::vector<float>(&objCamera.pos.x, &objCamera.pos.x + 3), p.pos);
        EXPECT_EQ(std::vector<float>(&objCamera.view.x, &objCamera.view.x + 3), p.view);
    }
    // With no key held, as in the last row, every key is asked for in turn.
    EXPECT_EQ(scripted.keysAsked, std::vector<int>({38, 87, 40, 83, 37, 65, 39, 68, 69}));
}
