#include <functional>
#include <string>
#include <vector>

#include "tests/shell/shell_test.h"

namespace {

using Lines = std::vector<std::string>;

class StartUp : public ShellTest {};

TEST_F(StartUp, TheQuestionDecidesTheWindowAndTheCursor) {
    struct Case {
        const char* name;
        std::vector<int> answers;
        bool modeOffered;
        Lines boxes;
        DWORD style;  // of the window while running
        DisplayMode display;
        bool cursorHidden;
        int cursorCountAtExit;
    };
    const DisplayMode fullScreen = {640, 480, 16}, desktop = {1280, 1024, 32};
    const Case cases[] = {
        {"No: a window, cursor hidden by the question", {IDNO}, true, {QUESTION}, 0x6CF0000, desktop, true, -1},
        {"Yes, mode accepted: the pop-up, cursor hidden", {IDYES}, true, {QUESTION}, 0x86000000, fullScreen, true, 0},
        {"Yes, mode refused, then Yes: a window, cursor showing",
         {IDYES, IDYES},
         false,
         {QUESTION, MODE_REFUSED},
         0x6CF0000,
         desktop,
         false,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartAfresh();
        for (int answer : c.answers) scripted.Answer(answer);
        if (!c.modeOffered) scripted.displayModes.clear();
        bool looked = false;
        scripted.Then([&] {
            looked = true;
            const ScriptedWindow& window = scripted.windows.at(hWnd);
            EXPECT_EQ(window.clientWidth, 640);
            EXPECT_EQ(window.clientHeight, 480);
            EXPECT_EQ(window.style, c.style);
            EXPECT_TRUE(scripted.display == c.display);
            EXPECT_EQ(scripted.cursorCount < 0, c.cursorHidden);
        });
        scripted.Press(VK_ESCAPE);

        EXPECT_EQ(RunProgram(), 0);

        EXPECT_TRUE(looked);
        EXPECT_EQ(scripted.Calls({"MessageBoxA"}), c.boxes);
        EXPECT_TRUE(scripted.display == desktop) << "restored before the exit";
        EXPECT_EQ(scripted.cursorCount, c.cursorCountAtExit) << "only a full-screen teardown shows the cursor";
        EXPECT_EQ(scripted.AnswersLeft(), 0u);
    }
}

TEST_F(StartUp, ARefusedModeThenNoClosesWithExitCodeOneAndTheClassStillRegistered) {
    scripted.displayModes.clear();
    scripted.Answer(IDYES);
    scripted.Answer(IDNO);
    scripted.Answer(IDOK);

    EXPECT_EQ(RunProgram(), 1);

    EXPECT_EQ(scripted.Calls({"MessageBoxA"}),
              (Lines{QUESTION, MODE_REFUSED, Box("Program Will Now Close.", "ERROR", "0x10")}));
    EXPECT_EQ(scripted.classes.count("OpenGL"), 1u);
    EXPECT_TRUE(scripted.windows.empty());
    EXPECT_TRUE(scripted.Calls({"PeekMessageA"}).empty());
}

}  // namespace
