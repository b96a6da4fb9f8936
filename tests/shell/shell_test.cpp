#include "tests/shell/shell_test.h"

#include <algorithm>

void StartAfresh() {
    scripted = ScriptedWin32();
    fullscreen = true;
    active = true;
    std::fill(std::begin(keys), std::end(keys), false);
    hInstance = nullptr;
    hWnd = nullptr;
    hDC = nullptr;
    hRC = nullptr;
    objCamera.Position_Camera(7, 7, 7, 9, 9, 9, 1, 0, 0);
}

void ShellTest::TearDown() { EXPECT_EQ(scripted.AnswersLeft(), 0u) << "a box the test expected was not shown"; }

std::string Box(const std::string& text, const std::string& caption, const std::string& style) {
    return "MessageBoxA(null, \"" + text + "\", \"" + caption + "\", " + style + ")";
}

const std::string QUESTION = Box("Would You Like To Run In Fullscreen Mode?\n  This Program Is Written By Odrenko.\n",
                                 "Start FullScreen?", "0x24");
const std::string MODE_REFUSED =
    Box("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?", "OPENGL",
        "0x34");

std::vector<std::string> Teardown() {
    return scripted.Calls({"ChangeDisplaySettingsA", "ShowCursor", "wglMakeCurrent", "wglDeleteContext", "ReleaseDC",
                           "DestroyWindow", "UnregisterClassA"});
}

std::vector<std::string> LoopPhases() {
    const std::pair<std::string, std::string> phases[] = {
        {"PeekMessageA(", "peek"},  {"DispatchMessageA(", "dispatch"}, {"GetKeyState(", "keyboard"},
        {"GetCursorPos(", "mouse"}, {"SetCursorPos(", "mouse"},        {"gluLookAt(", "draw"},
        {"SwapBuffers(", "swap"},
    };
    std::vector<std::string> seen;
    bool looping = false;
    for (const std::string& line : scripted.log) {
        for (const auto& phase : phases) {
            if (line.compare(0, phase.first.size(), phase.first) != 0) continue;
            looping = looping || phase.second == "peek";
            bool sameAsLast = !seen.empty() && seen.back() == phase.second && phase.second != "peek" &&
                              phase.second != "dispatch";
            if (looping && !sameAsLast) seen.push_back(phase.second);
        }
    }
    return seen;
}

int RunProgram() { return WinMain(ScriptedWin32::Instance(), nullptr, nullptr, SW_SHOW); }

void ExpectAtStartPose(const CCamera& camera) {
    EXPECT_EQ(camera.pos.x, 0.0f);
    EXPECT_EQ(camera.pos.y, 2.5f);
    EXPECT_EQ(camera.pos.z, 5.0f);
    EXPECT_EQ(camera.view.x, 0.0f);
    EXPECT_EQ(camera.view.y, 2.5f);
    EXPECT_EQ(camera.view.z, 0.0f);
    EXPECT_EQ(camera.up.x, 0.0f);
    EXPECT_EQ(camera.up.y, 1.0f);
    EXPECT_EQ(camera.up.z, 0.0f);
}

void ExpectNothingHeld() {
    EXPECT_EQ(hInstance, nullptr);
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_EQ(hDC, nullptr);
    EXPECT_EQ(hRC, nullptr);
    EXPECT_TRUE(scripted.windows.empty());
    EXPECT_TRUE(scripted.contexts.empty());
    EXPECT_TRUE(scripted.classes.empty());
    EXPECT_TRUE(scripted.display == scripted.desktop);
}
