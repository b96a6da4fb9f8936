// Every service call that can fail, made to fail one at a time in a whole
// run of the program: start, walk, look, switch screen modes with F1, quit.
// A run without failures lists the calls; each later run fails exactly one of
// them. What must follow comes from the failure rules of window creation and
// teardown: which boxes, what is given back, the exit code, and which handles
// the system may still hold because their release was refused.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/shell/creation_failure.h"
#include "tests/shell/shell_test.h"

namespace {

using Lines = std::vector<std::string>;

// Services whose failure the scripted Win32 can stage. GetKeyState,
// ShowCursor, TranslateMessage and PostQuitMessage report no failure.
const char* const FALLIBLE[] = {
    "GetModuleHandleA",  "LoadIconA",        "LoadCursorA",    "RegisterClassA",         "UnregisterClassA",
    "AdjustWindowRectEx", "CreateWindowExA", "DestroyWindow",  "ChangeDisplaySettingsA", "ShowWindow",
    "SetForegroundWindow", "SetFocus",       "GetDC",          "ReleaseDC",              "ChoosePixelFormat",
    "SetPixelFormat",    "wglCreateContext", "wglMakeCurrent", "wglDeleteContext",       "SwapBuffers",
    "PeekMessageA",      "DispatchMessageA", "DefWindowProcA", "GetCursorPos",           "SetCursorPos",
    "MessageBoxA",
};

std::string ServiceOf(const std::string& line) { return line.substr(0, line.find('(')); }

bool Fallible(const std::string& line) {
    for (const char* service : FALLIBLE)
        if (ServiceOf(line) == service) return true;
    return false;
}

std::string Error(const std::string& text) { return Box(text, "ERROR", "0x30"); }
std::string Shutdown(const std::string& text) { return Box(text, "SHUTDOWN ERROR", "0x40"); }

struct Shown {
    std::string box;
    int answer;
};

// What must follow when one call fails.
struct Consequence {
    std::vector<Shown> boxes;  // after the failed call, in order
    bool atOnce = false;       // the first box comes straight after the failed call
    int exitCode = 0;
    size_t classesLeft = 0, windowsLeft = 0, contextsLeft = 0;
    bool displayRestored = true;
};

// Where in the run a call is made: creating the first window, switching
// screen modes (teardown and creation inside the loop), or the last teardown.
enum class Phase { start, switching, end };

Consequence ConsequenceOf(const std::string& line, Phase phase, int refusedModeAnswer) {
    const std::string service = ServiceOf(line);
    Consequence c;
    // A creation step fails: everything held so far is given back, the box
    // says which step, and the program ends with 1.
    const std::pair<const char*, const char*> creation[] = {
        {"CreateWindowExA", "Window Creation Error."},
        {"GetDC", "Can't Create A GL Device Context."},
        {"ChoosePixelFormat", "Can't Find A Suitable PixelFormat."},
        {"SetPixelFormat", "Can't Set The PixelFormat."},
        {"wglCreateContext", "Can't Create A GL Rendering Context."},
        {"wglMakeCurrent", "Can't Activate The GL Rendering Context."},
    };
    for (const auto& step : creation) {
        if (service == step.first && line != "wglMakeCurrent(null, null)") {
            c.boxes = {{Error(step.second), IDOK}};
            c.exitCode = 1;
            return c;
        }
    }
    // A release fails: a box at once, the rest of the teardown still runs,
    // and what was refused stays with the system. A class stays while a
    // window of it is left, and then cannot be registered again.
    const std::string refusedClass = Shutdown("Could Not Unregister Class.");
    const Shown registerAgain = {Error("Failed To Register The Window Class."), IDOK};
    c.atOnce = true;
    if (line == "wglMakeCurrent(null, null)") {
        c.boxes = {{Shutdown("Release Of DC And RC Failed."), IDOK}};
    } else if (service == "wglDeleteContext") {
        c.boxes = {{Shutdown("Release Rendering Context Failed."), IDOK}};
        c.contextsLeft = 1;
    } else if (service == "ReleaseDC") {
        c.boxes = {{Shutdown("Release Device Context Failed."), IDOK}};
    } else if (service == "DestroyWindow" || service == "UnregisterClassA") {
        if (service == "DestroyWindow") c.boxes.push_back({Shutdown("Could Not Release hWnd."), IDOK});
        c.boxes.push_back({refusedClass, IDOK});
        c.windowsLeft = service == "DestroyWindow" ? 1 : 0;
        c.classesLeft = 1;
        if (phase == Phase::switching) {
            c.boxes.push_back(registerAgain);
            c.exitCode = 1;
        }
    } else if (service == "RegisterClassA") {
        c.boxes = {registerAgain};
        c.exitCode = 1;
    } else if (line == MODE_CHANGE) {
        // Refused: the user is offered a window; No closes with the class
        // still registered.
        c.boxes = {{MODE_REFUSED, refusedModeAnswer}};
        if (refusedModeAnswer == IDNO) {
            c.boxes.push_back({Box("Program Will Now Close.", "ERROR", "0x10"), IDOK});
            c.exitCode = 1;
            c.classesLeft = 1;
        }
    } else if (line == MODE_RESTORE) {
        c.displayRestored = false;  // its result is not looked at
        c.atOnce = false;
    } else {
        c.atOnce = false;
    }
    // Anything else (the question's box included, whose failure reads as
    // "not No") is ignored or merely loses a message or a pass.
    return c;
}

// Starts with the given answer, turns the view, walks, switches screen
// modes with F1, and then asks to close twice: by a close message sent to
// the window, and, should that one be lost, by Escape.
void Script() {
    scripted.Then([] { scripted.cursor = POINT{330, 250}; });
    scripted.Idle(2);
    scripted.Press('W');
    scripted.Idle(1);
    scripted.Release('W');
    scripted.Press(VK_F1);
    scripted.Idle(1);
    scripted.Release(VK_F1);
    scripted.Idle(1);
    scripted.Then([] { scripted.Post(hWnd, WM_CLOSE, 0, 0); });
    scripted.Idle(1);
    scripted.Press(VK_ESCAPE);
}

Lines BoxesFrom(size_t first) {
    Lines boxes;
    for (size_t i = first; i < scripted.log.size(); ++i)
        if (ServiceOf(scripted.log[i]) == "MessageBoxA") boxes.push_back(scripted.log[i]);
    return boxes;
}

class FailureSweep : public ShellTest {};

TEST_F(FailureSweep, EachCallThatFailsEndsInItsBoxesItsExitCodeAndNothingLeftButWhatWasRefused) {
    for (int startAnswer : {IDNO, IDYES}) {
        SCOPED_TRACE(startAnswer == IDNO ? "started windowed" : "started full screen");
        StartAfresh();
        scripted.Answer(startAnswer);
        Script();
        ASSERT_EQ(RunProgram(), 0);
        const Lines clean = scripted.log;
        const size_t firstLook = std::find(clean.begin(), clean.end(), "PeekMessageA(null, 0, 0, 1)") - clean.begin();
        const size_t lastLook = clean.rend() - std::find(clean.rbegin(), clean.rend(), "PeekMessageA(null, 0, 0, 1)");
        ASSERT_EQ(scripted.Calls({"CreateWindowExA"}).size(), 2u) << "the script switches windows once";

        std::map<std::string, int> calls;
        int runs = 0;
        for (size_t failing = 0; failing < clean.size(); ++failing) {
            const std::string& line = clean[failing];
            if (!Fallible(line)) continue;
            int nth = ++calls[ServiceOf(line)];
            Phase phase = failing < firstLook ? Phase::start : failing < lastLook ? Phase::switching : Phase::end;
            for (int refusedModeAnswer : {IDYES, IDNO}) {
                if (refusedModeAnswer == IDNO && line != MODE_CHANGE) continue;
                std::string answered = refusedModeAnswer == IDYES ? ", window taken" : ", window refused";
                SCOPED_TRACE(line + ", call " + std::to_string(nth) + " of its service fails" +
                             (line == MODE_CHANGE ? answered : ""));
                const Consequence expected = ConsequenceOf(line, phase, refusedModeAnswer);
                StartAfresh();
                scripted.Fail(ServiceOf(line), nth);
                if (line != QUESTION) scripted.Answer(startAnswer);
                for (const Shown& shown : expected.boxes) scripted.Answer(shown.answer);
                Script();
                ++runs;

                int exitCode = RunProgram();

                ASSERT_GT(scripted.log.size(), failing);
                ASSERT_EQ(Lines(scripted.log.begin(), scripted.log.begin() + failing + 1),
                          Lines(clean.begin(), clean.begin() + failing + 1))
                    << "the run reaches the same call";
                Lines boxes;
                for (const Shown& shown : expected.boxes) boxes.push_back(shown.box);
                EXPECT_EQ(BoxesFrom(failing + 1), boxes);
                if (expected.atOnce) {
                    EXPECT_EQ(scripted.log.at(failing + 1), boxes.front()) << "reported at once";
                }
                if (expected.exitCode == 1) {
                    EXPECT_EQ(scripted.log.back(), boxes.back()) << "nothing runs after it";
                }
                EXPECT_EQ(exitCode, expected.exitCode);
                EXPECT_EQ(hWnd, nullptr);
                EXPECT_EQ(hDC, nullptr);
                EXPECT_EQ(hRC, nullptr);
                EXPECT_EQ(scripted.classes.size(), expected.classesLeft);
                EXPECT_EQ(scripted.windows.size(), expected.windowsLeft);
                EXPECT_EQ(scripted.contexts.size(), expected.contextsLeft);
                EXPECT_EQ(scripted.display == scripted.desktop, expected.displayRestored);
                EXPECT_EQ(scripted.AnswersLeft(), 0u) << "a box the test expected was not shown";
            }
        }
        EXPECT_GT(runs, 60);
    }
}

}  // namespace
