// Whole runs of WinMain on the scripted Win32, as a table, then every
// service call of a plain run made to fail in turn.
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "shell/shell.h"
#include "tests/shell/shell_test.h"

namespace {

using Boxes = std::vector<std::string>;
using Script = std::vector<Step>;

Step Down(WPARAM key) { return Step{WM_KEYDOWN, key, 0x00000001}; }
Step Repeat(WPARAM key) { return Step{WM_KEYDOWN, key, 0x40000001}; }  // bit 30: already down
Step Up(WPARAM key) { return Step{WM_KEYUP, key, static_cast<LPARAM>(0xC0000001)}; }
const Step PASS = {IDLE, 0, 0}, ESCAPE = Down(VK_ESCAPE), CLOSE = {WM_CLOSE, 0, 0};

// The windows created, as CreateWindowExA's record: W for the 640 x 480
// client area framed at (0, 0), F for the pop-up over a 640 x 480 display.
std::vector<std::string> Windows(const std::string& kinds) {
    std::vector<std::string> windows;
    for (char kind : kinds)
        windows.push_back(kind == 'W' ? "Tessaline - By Odrenko|40100|6cf0000|0 0 656 519"
                                      : "Tessaline - By Odrenko|40000|86000000|0 0 640 480");
    return windows;
}

const char* const TEARDOWN = "wglMakeCurrent wglDeleteContext ReleaseDC DestroyWindow UnregisterClassA";
const std::string WINDOWED_END = std::string("PeekMessageA ") + TEARDOWN;
const std::string RECREATE = std::string(TEARDOWN) + " GetModuleHandleA LoadIconA LoadCursorA RegisterClassA";
const std::string FULL_SCREEN_END = std::string("PeekMessageA ChangeDisplaySettingsA ShowCursor ") + TEARDOWN;

int RunProgram(const std::vector<int>& answers, const Script& script) {
    scripted.answers.assign(answers.begin(), answers.end());
    scripted.script.assign(script.begin(), script.end());
    return WinMain(reinterpret_cast<HINSTANCE>(0x400000), nullptr, nullptr, SW_SHOW);
}

struct WholeRun {
    const char* name;
    std::vector<int> answers;  // the question's first
    bool modeOffered;
    Script script;
    int exitCode;
    Boxes boxes;
    const char* windows;
    const char* frames;  // see ScriptedWin32::frames
    int cursorCount;     // at exit
    std::string calls;   // a run of calls the log holds
    const char* failing = "";
    int nth = 0;
    bool classLeft = false;
};

TEST(WholeRuns, EachEndsWithItsExitCodeBoxesFramesAndTeardown) {
    const WholeRun runs[] = {
        {"No, then Escape", {IDNO}, true, {PASS, ESCAPE}, 0, {QUESTION}, "W", "Wdh ", -1,
         "MessageBoxA ShowCursor GetModuleHandleA LoadIconA LoadCursorA RegisterClassA AdjustWindowRectEx "
         "CreateWindowExA glViewport GetDC ChoosePixelFormat SetPixelFormat wglCreateContext wglMakeCurrent "
         "ShowWindow SetForegroundWindow SetFocus glViewport PeekMessageA GetKeyState GetCursorPos gluLookAt "
         "SwapBuffers PeekMessageA TranslateMessage DispatchMessageA PostQuitMessage DefWindowProcA " + WINDOWED_END},
        {"Yes, then Escape", {IDYES}, true, {PASS, ESCAPE}, 0, {QUESTION}, "F", "Fdh ", 0,
         "RegisterClassA ChangeDisplaySettingsA ShowCursor AdjustWindowRectEx CreateWindowExA"},
        {"Yes, the mode refused, then Yes", {IDYES, IDYES}, false, {PASS, ESCAPE}, 0, {QUESTION, REFUSED}, "W",
         "Wds ", 0, "DefWindowProcA " + WINDOWED_END},
        {"Yes, the mode refused, then No", {IDYES, IDNO}, false, {}, 1, {QUESTION, REFUSED, CLOSING}, "", "", 0,
         "RegisterClassA ChangeDisplaySettingsA MessageBoxA MessageBoxA", "", 0, true},
        {"the close box", {IDYES}, true, {PASS, {WM_SYSCOMMAND, SC_CLOSE, 0}}, 0, {QUESTION}, "F", "Fdh ", 0,
         "DispatchMessageA DefWindowProcA PostQuitMessage " + FULL_SCREEN_END},
        {"a close message", {IDNO}, true, {PASS, CLOSE}, 0, {QUESTION}, "W", "Wdh ", -1,
         "DispatchMessageA PostQuitMessage " + WINDOWED_END},
        {"F1 twice: full screen and back", {IDNO}, true,
         {PASS, Down(VK_F1), PASS, Up(VK_F1), Down(VK_F1), PASS, Up(VK_F1), ESCAPE}, 0, {QUESTION}, "WFW",
         "Wdh Wdh Fdh ", -1, "SwapBuffers " + RECREATE + " ChangeDisplaySettingsA ShowCursor"},
        {"a held F1 switches once", {IDNO}, true,
         {Down(VK_F1), PASS, Repeat(VK_F1), PASS, Repeat(VK_F1), PASS, Up(VK_F1), PASS, ESCAPE}, 0, {QUESTION},
         "WF", "Wdh Fdh Fdh Fdh ", -1, FULL_SCREEN_END},
        {"minimised: polled and swapped, not drawn", {IDNO}, true,
         {PASS, {WM_ACTIVATE, 0x10000, 0}, {CURSOR, 100, 100}, PASS, {WM_ACTIVATE, WA_ACTIVE, 0}, PASS, ESCAPE}, 0,
         {QUESTION}, "W", "Wdh W-h Wdh ", -1, "PeekMessageA GetKeyState GetCursorPos SetCursorPos SwapBuffers"},
        {"F1, the new window refused", {IDNO}, true, {Down(VK_F1), PASS}, 1,
         {QUESTION, Error("Window Creation Error.")}, "W", "Wdh ", -1,
         "SwapBuffers " + RECREATE +
             " ChangeDisplaySettingsA ShowCursor AdjustWindowRectEx CreateWindowExA ChangeDisplaySettingsA "
             "ShowCursor UnregisterClassA MessageBoxA",
         "CreateWindowExA", 2},
        {"F1, the mode refused, then No", {IDNO, IDNO}, false, {Down(VK_F1), PASS}, 1, {QUESTION, REFUSED, CLOSING},
         "W", "Wdh ", -1, "", "", 0, true},
        {"full screen, the device context refused", {IDYES}, true, {}, 1,
         {QUESTION, Error("Can't Create A GL Device Context.")}, "F", "", 0,
         "GetDC ChangeDisplaySettingsA ShowCursor DestroyWindow UnregisterClassA MessageBoxA", "GetDC", 1},
        {"Escape's quit lost: the held key ends the loop, undrawn", {IDNO}, true, {PASS, ESCAPE, PASS}, VK_ESCAPE,
         {QUESTION}, "W", "Wdh ", -1, "DefWindowProcA PeekMessageA GetKeyState GetCursorPos gluLookAt " +
         std::string(TEARDOWN), "PostQuitMessage", 1},
    };
    for (const WholeRun& run : runs) {
        SCOPED_TRACE(run.name);
        StartAfresh();
        scripted.modeOffered = run.modeOffered;
        if (*run.failing) scripted.failing[run.failing] = run.nth;

        EXPECT_EQ(RunProgram(run.answers, run.script), run.exitCode);

        EXPECT_EQ(scripted.boxes, run.boxes);
        EXPECT_EQ(scripted.windowsCreated, Windows(run.windows));
        EXPECT_EQ(scripted.frames, run.frames);
        EXPECT_EQ(scripted.cursorCount, run.cursorCount);
        if (!run.calls.empty()) {
            EXPECT_NE((" " + Calls() + " ").find(" " + run.calls + " "), std::string::npos) << Calls();
        }
        EXPECT_EQ(scripted.log.back(), run.exitCode == 1 ? "MessageBoxA" : "UnregisterClassA") << "nothing after";
        EXPECT_TRUE(scripted.cursor.x == 320 && scripted.cursor.y == 240) << "pinned";
        if (*run.windows) {
            EXPECT_TRUE(scripted.viewport[0] == 640 && scripted.viewport[1] == 480) << "unframed";
        }
        EXPECT_TRUE(scripted.answers.empty());
        ExpectNothingHeld(0, 0, run.classLeft, run.classLeft);
    }
}

// A plain windowed run, then the same with one call failing, for each call
// it made. A call missing from this table changes nothing the user sees.
struct Failure {
    const char* service;
    int nth;
    int exitCode;
    std::string box;
    std::string calls;  // from the failed call on
};

TEST(WholeRuns, EachCallThatFailsEndsInItsBoxExitCodeAndTeardown) {
    const Failure failures[] = {
        {"RegisterClassA", 1, 1, Error("Failed To Register The Window Class."), "RegisterClassA MessageBoxA"},
        {"CreateWindowExA", 1, 1, Error("Window Creation Error."), "CreateWindowExA UnregisterClassA MessageBoxA"},
        {"GetDC", 1, 1, Error("Can't Create A GL Device Context."), "GetDC DestroyWindow UnregisterClassA MessageBoxA"},
        {"ChoosePixelFormat", 1, 1, Error("Can't Find A Suitable PixelFormat."),
         "ChoosePixelFormat ReleaseDC DestroyWindow UnregisterClassA MessageBoxA"},
        {"SetPixelFormat", 1, 1, Error("Can't Set The PixelFormat."),
         "SetPixelFormat ReleaseDC DestroyWindow UnregisterClassA MessageBoxA"},
        {"wglCreateContext", 1, 1, Error("Can't Create A GL Rendering Context."),
         "wglCreateContext ReleaseDC DestroyWindow UnregisterClassA MessageBoxA"},
        {"wglMakeCurrent", 1, 1, Error("Can't Activate The GL Rendering Context."),
         "wglMakeCurrent " + std::string(TEARDOWN) + " MessageBoxA"},
        {"wglMakeCurrent", 2, 0, Shutdown("Release Of DC And RC Failed."),
         "wglMakeCurrent MessageBoxA wglDeleteContext ReleaseDC DestroyWindow UnregisterClassA"},
        {"wglDeleteContext", 1, 0, Shutdown("Release Rendering Context Failed."),
         "wglDeleteContext MessageBoxA ReleaseDC DestroyWindow UnregisterClassA"},
        {"ReleaseDC", 1, 0, Shutdown("Release Device Context Failed."),
         "ReleaseDC MessageBoxA DestroyWindow UnregisterClassA"},
        {"DestroyWindow", 1, 0, Shutdown("Could Not Release hWnd."), "DestroyWindow MessageBoxA UnregisterClassA"},
        {"UnregisterClassA", 1, 0, Shutdown("Could Not Unregister Class."), "UnregisterClassA MessageBoxA"},
        {"PeekMessageA", 3, VK_ESCAPE, "", ""},  // the look after Escape's: the held key quits
        {"PostQuitMessage", 1, VK_ESCAPE, "", ""},
    };
    const Script script = {PASS, ESCAPE, PASS, CLOSE};
    StartAfresh();
    ASSERT_EQ(RunProgram({IDNO}, script), 0);
    const std::vector<std::string> clean = scripted.log;
    std::map<std::string, int> seen;
    for (size_t call = 0; call < clean.size(); ++call) {
        const std::string& service = clean[call];
        Failure expected = {service.c_str(), ++seen[service], 0, "", ""};
        for (const Failure& failure : failures)
            if (service == failure.service && seen[service] == failure.nth) expected = failure;
        SCOPED_TRACE(service + " " + std::to_string(expected.nth));
        StartAfresh();
        scripted.failing[service] = expected.nth;

        EXPECT_EQ(RunProgram({IDNO}, script), expected.exitCode);

        EXPECT_EQ(scripted.boxes, (expected.box.empty() ? Boxes{QUESTION} : Boxes{QUESTION, expected.box}));
        ASSERT_GT(scripted.log.size(), call);
        if (!expected.calls.empty()) {
            EXPECT_EQ(Calls(call), expected.calls);
        }
        ExpectNothingHeld(service == "DestroyWindow", service == "wglDeleteContext", service == "UnregisterClassA",
                          service == "RegisterClassA");
    }
}

}  // namespace
