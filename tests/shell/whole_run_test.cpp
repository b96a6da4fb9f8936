#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "tests/camera/reference_camera.h"
#include "tests/shell/shell_test.h"

namespace {

class WholeRun : public ShellTest {};

bool SameBits(float a, double b) {
    float expected = static_cast<float>(b);
    return std::memcmp(&a, &expected, sizeof a) == 0;
}

TEST_F(WholeRun, TheCameraEndsWhereTheScriptedKeysAndMouseTookIt) {
    // The user answers No, walks forward, looks right and up, walks on while
    // strafing left, rises and quits. Every key reaches the program as
    // messages; the cursor is pinned back after each move.
    struct Stretch {
        std::set<int> held;
        long cursorX, cursorY;  // at the stretch's first pass
        int passes;
    };
    const Stretch stretches[] = {
        {{}, 320, 240, 1},
        {{'W'}, 320, 240, 3},
        {{'W'}, 350, 200, 1},
        {{'W', VK_LEFT}, 320, 240, 2},
        {{'E'}, 250, 240, 4},
        {{}, 320, 240, 1},
    };
    std::set<int> down;
    scripted.Answer(IDNO);
    for (const Stretch& stretch : stretches) {
        for (int key : down)
            if (!stretch.held.count(key)) scripted.Release(key);
        for (int key : stretch.held)
            if (!down.count(key)) scripted.Press(key);
        down = stretch.held;
        POINT cursor = {static_cast<LONG>(stretch.cursorX), static_cast<LONG>(stretch.cursorY)};
        scripted.Then([cursor] { scripted.cursor = cursor; });
        scripted.Idle(stretch.passes);
    }
    scripted.Press(VK_ESCAPE);

    EXPECT_EQ(RunProgram(), 0);

    ReferencePose model = {{0, 2.5, 5}, {0, 2.5, 0}, {0, 1, 0}};
    int passes = 0;
    for (const Stretch& stretch : stretches) {
        for (int pass = 0; pass < stretch.passes; ++pass, ++passes) {
            bool moved = pass == 0;
            ReferencePass(model, ReferenceInput{stretch.held, moved ? stretch.cursorX : 320,
                                                moved ? stretch.cursorY : 240});
        }
    }
    EXPECT_TRUE(SameBits(objCamera.pos.x, model.pos[0])) << objCamera.pos.x << " vs " << model.pos[0];
    EXPECT_TRUE(SameBits(objCamera.pos.y, model.pos[1])) << objCamera.pos.y << " vs " << model.pos[1];
    EXPECT_TRUE(SameBits(objCamera.pos.z, model.pos[2])) << objCamera.pos.z << " vs " << model.pos[2];
    EXPECT_TRUE(SameBits(objCamera.view.x, model.view[0])) << objCamera.view.x << " vs " << model.view[0];
    EXPECT_TRUE(SameBits(objCamera.view.y, model.view[1])) << objCamera.view.y << " vs " << model.view[1];
    EXPECT_TRUE(SameBits(objCamera.view.z, model.view[2])) << objCamera.view.z << " vs " << model.view[2];
    // Roughly: about 0.45 forward, a little left, and risen by E after the
    // upward look.
    EXPECT_NEAR(objCamera.pos.z, 4.55f, 0.05f);
    EXPECT_GT(objCamera.pos.y, 2.5f);

    EXPECT_EQ(scripted.Calls({"SwapBuffers"}).size(), static_cast<size_t>(passes));
    EXPECT_EQ(scripted.Calls({"gluLookAt"}).size(), static_cast<size_t>(passes));
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), std::vector<std::string>{QUESTION});
    ExpectNothingHeld();
}

}  // namespace
