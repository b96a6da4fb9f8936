#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/shell/creation_failure.h"
#include "tests/shell/shell_test.h"

namespace {

using Lines = std::vector<std::string>;

const Lines WINDOWED_TEARDOWN = {"wglMakeCurrent(null, null)", "wglDeleteContext(rc1)", "ReleaseDC(window1, dc1)",
                                 "DestroyWindow(window1)", "UnregisterClassA(\"OpenGL\", instance)"};

// Starts windowed unless a test answers the question itself.
class MainLoop : public ShellTest {};

size_t IndexOf(const std::string& line) {
    return std::find(scripted.log.begin(), scripted.log.end(), line) - scripted.log.begin();
}

TEST_F(MainLoop, EachPassHandlesOneMessageOrDoesOneIdlePass) {
    scripted.Answer(IDNO);
    scripted.Press('W');
    scripted.Press('D');
    scripted.Idle(1);
    scripted.Release('W');
    scripted.Press(VK_ESCAPE);

    EXPECT_EQ(RunProgram(), 0);

    EXPECT_EQ(LoopPhases(), (Lines{"peek", "dispatch", "peek", "dispatch", "peek", "keyboard", "mouse", "draw", "swap",
                                   "peek", "dispatch", "peek", "dispatch", "peek"}));
    size_t first = IndexOf("PeekMessageA(null, 0, 0, 1)");
    EXPECT_EQ(Lines(scripted.log.begin() + first, scripted.log.begin() + first + 5),
              (Lines{"PeekMessageA(null, 0, 0, 1)", "TranslateMessage(window1, WM_KEYDOWN, 0x57, 0x1)",
                     "DispatchMessageA(window1, WM_KEYDOWN, 0x57, 0x1)",
                     "DefWindowProcA(window1, WM_KEYDOWN, 0x57, 0x1)", "PeekMessageA(null, 0, 0, 1)"}));
}

TEST_F(MainLoop, AnIdlePassPollsKeysThenTheMouseThenDrawsThenSwaps) {
    scripted.Answer(IDNO);
    scripted.Press('W');
    scripted.Then([] { scripted.cursor = POINT{330, 240}; });
    scripted.Idle(1);
    scripted.Press(VK_ESCAPE);

    EXPECT_EQ(RunProgram(), 0);

    EXPECT_EQ(LoopPhases(), (Lines{"peek", "dispatch", "peek", "keyboard", "mouse", "draw", "swap", "peek", "dispatch",
                                   "peek"}));
    EXPECT_EQ(scripted.Calls({"SetCursorPos", "SwapBuffers"}), (Lines{"SetCursorPos(320, 240)", "SwapBuffers(dc1)"}));
}

TEST_F(MainLoop, AMinimisedWindowKeepsPollingAndSwappingButDrawsNothing) {
    scripted.Answer(IDNO);
    scripted.Input(WM_ACTIVATE, 0x10000, 0);   // deactivated and minimised
    scripted.Input(WM_SIZE, SIZE_MINIMIZED, 0);
    scripted.Then([] { scripted.cursor = POINT{100, 100}; });
    scripted.Idle(2);
    scripted.Input(WM_ACTIVATE, WA_ACTIVE, 0);
    scripted.Idle(1);
    scripted.Press(VK_ESCAPE);

    EXPECT_EQ(RunProgram(), 0);

    EXPECT_EQ(LoopPhases(), (Lines{"peek", "dispatch", "peek", "dispatch", "peek", "keyboard", "mouse", "swap", "peek",
                                   "keyboard", "mouse", "swap", "peek", "dispatch", "peek", "keyboard", "mouse", "draw",
                                   "swap", "peek", "dispatch", "peek"}));
    EXPECT_EQ(scripted.Calls({"SetCursorPos"}), Lines{"SetCursorPos(320, 240)"}) << "the cursor is still pinned";
    EXPECT_EQ(scripted.Calls({"glViewport"}).back(), "glViewport(0, 0, 0, 1)");
}

TEST_F(MainLoop, EscapeAndClosingEndTheProgramWithZeroAfterTheTeardown) {
    struct Case {
        const char* name;
        int answer;
        std::function<void()> request;
        Lines teardown;
    };
    Lines fullScreenTeardown = {MODE_RESTORE, "ShowCursor(1)"};
    fullScreenTeardown.insert(fullScreenTeardown.end(), WINDOWED_TEARDOWN.begin(), WINDOWED_TEARDOWN.end());
    const Case cases[] = {
        {"Escape", IDNO, [] { scripted.Press(VK_ESCAPE); }, WINDOWED_TEARDOWN},
        {"Escape in full screen", IDYES, [] { scripted.Press(VK_ESCAPE); }, fullScreenTeardown},
        {"Escape with auto-repeats already waiting",
         IDNO,
         [] {
             scripted.Then([] {
                 scripted.Post(hWnd, WM_KEYDOWN, VK_ESCAPE, 0x40010001);
                 scripted.Post(hWnd, WM_KEYDOWN, VK_ESCAPE, 0x40010001);
             });
             scripted.Press(VK_ESCAPE);
         },
         WINDOWED_TEARDOWN},
        {"the close box", IDNO, [] { scripted.Input(WM_SYSCOMMAND, SC_CLOSE, 0); }, WINDOWED_TEARDOWN},
        {"a close message", IDNO, [] { scripted.Input(WM_CLOSE, 0, 0); }, WINDOWED_TEARDOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartAfresh();
        scripted.Answer(c.answer);
        scripted.Idle(1);
        c.request();

        EXPECT_EQ(RunProgram(), 0);

        // The quit is seen at the next look, with no idle pass between, and
        // only then is anything given back.
        size_t asked = IndexOf("PostQuitMessage(0)");
        Lines phases = LoopPhases();
        EXPECT_EQ(std::count(phases.begin(), phases.end(), "draw"), 1);
        EXPECT_EQ(phases.back(), "peek");
        size_t lastLook = scripted.log.rend() - std::find(scripted.log.rbegin(), scripted.log.rend(),
                                                          "PeekMessageA(null, 0, 0, 1)") - 1;
        EXPECT_LT(asked, lastLook);
        EXPECT_EQ(Lines(scripted.log.begin() + lastLook + 1, scripted.log.end()), c.teardown);
        EXPECT_EQ(scripted.AnswersLeft(), 0u);
    }
}

TEST_F(MainLoop, F1SwitchesScreenModesThroughANewWindowEachTimeWithTheCameraAtItsStart) {
    scripted.Answer(IDNO);
    scripted.Press('W');
    scripted.Idle(2);
    scripted.Release('W');
    scripted.Press(VK_F1);
    scripted.Idle(1);
    scripted.Then([] {
        EXPECT_TRUE(fullscreen);
        EXPECT_EQ(scripted.windows.size(), 1u);
        EXPECT_EQ(scripted.windows.at(hWnd).style, 0x86000000u);
        EXPECT_TRUE(scripted.display == (DisplayMode{640, 480, 16}));
        EXPECT_LT(scripted.cursorCount, 0);
        EXPECT_EQ(scripted.focus, hWnd);
        ExpectAtStartPose(objCamera);
    });
    scripted.Release(VK_F1);
    scripted.Press('W');
    scripted.Idle(1);
    scripted.Release('W');
    scripted.Press(VK_F1);
    scripted.Idle(1);
    scripted.Then([] {
        EXPECT_FALSE(fullscreen);
        EXPECT_EQ(scripted.windows.size(), 1u);
        EXPECT_EQ(scripted.windows.at(hWnd).style, 0x6CF0000u);
        EXPECT_TRUE(scripted.display == scripted.desktop);
        EXPECT_LT(scripted.cursorCount, 0);
        ExpectAtStartPose(objCamera);
    });
    scripted.Release(VK_F1);
    scripted.Press(VK_ESCAPE);

    EXPECT_EQ(RunProgram(), 0);

    EXPECT_EQ(scripted.Calls({"CreateWindowExA", "DestroyWindow", "ChangeDisplaySettingsA"}),
              (Lines{
                  "CreateWindowExA(0x40100, \"OpenGL\", \"Tessaline - By Odrenko\", 0x6cf0000, 0, 0, 656, 519, "
                  "null, null, instance, null)",
                  "DestroyWindow(window1)",
                  MODE_CHANGE,
                  "CreateWindowExA(0x40000, \"OpenGL\", \"Tessaline - By Odrenko\", 0x86000000, 0, 0, 640, 480, "
                  "null, null, instance, null)",
                  MODE_RESTORE,
                  "DestroyWindow(window2)",
                  "CreateWindowExA(0x40100, \"OpenGL\", \"Tessaline - By Odrenko\", 0x6cf0000, 0, 0, 656, 519, "
                  "null, null, instance, null)",
                  "DestroyWindow(window3)",
              }));
    // Each switch comes after the pass's swap.
    EXPECT_EQ(scripted.log.at(IndexOf("wglMakeCurrent(null, null)") - 1), "SwapBuffers(dc1)");
    EXPECT_EQ(scripted.log.at(IndexOf(MODE_RESTORE) - 1), "SwapBuffers(dc2)");
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), Lines{QUESTION});
    ExpectNothingHeld();
}

TEST_F(MainLoop, HoldingF1SwitchesOnceHoweverLongItRepeats) {
    scripted.Answer(IDNO);
    scripted.Press(VK_F1);
    scripted.Idle(1);
    for (int repeat = 0; repeat < 3; ++repeat) {
        scripted.Repeat(VK_F1);
        scripted.Idle(1);
    }
    scripted.Release(VK_F1);
    scripted.Idle(1);
    scripted.Then([] { EXPECT_TRUE(fullscreen); });
    scripted.Press(VK_ESCAPE);

    EXPECT_EQ(RunProgram(), 0);

    EXPECT_EQ(scripted.Calls({"CreateWindowExA"}).size(), 2u);
    EXPECT_EQ(scripted.Calls({"SwapBuffers"}).size(), 5u);
}

TEST_F(MainLoop, AWindowThatCannotBeRecreatedAfterF1EndsWithExitCodeOne) {
    struct Case {
        const char* name;
        const char* failing;  // the service refused, if any
        bool modeOffered;
        std::vector<int> answers;
        Lines boxes;
        bool classLeft;
    };
    const Case cases[] = {
        {"window creation fails",
         "CreateWindowExA",
         true,
         {IDNO, IDOK},
         {QUESTION, Box("Window Creation Error.", "ERROR", "0x30")},
         false},
        {"full screen refused, then No",
         nullptr,
         false,
         {IDNO, IDNO, IDOK},
         {QUESTION, MODE_REFUSED, Box("Program Will Now Close.", "ERROR", "0x10")},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartAfresh();
        if (c.failing) scripted.Fail(c.failing, 2);
        if (!c.modeOffered) scripted.displayModes.clear();
        for (int answer : c.answers) scripted.Answer(answer);
        scripted.Press(VK_F1);
        scripted.Idle(1);

        EXPECT_EQ(RunProgram(), 1);

        EXPECT_EQ(scripted.Calls({"MessageBoxA"}), c.boxes);
        EXPECT_EQ(scripted.log.back(), c.boxes.back()) << "nothing runs after the box";
        EXPECT_TRUE(scripted.windows.empty());
        EXPECT_EQ(scripted.classes.count("OpenGL"), c.classLeft ? 1u : 0u);
        EXPECT_EQ(scripted.AnswersLeft(), 0u);
    }
}

}  // namespace
