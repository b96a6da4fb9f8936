// The shell on the scripted Win32: the GL window's records, whole runs of
// WinMain as a table, then each call of a plain run made to fail in turn.
#include <cstring>

#include <gtest/gtest.h>

#include "render/render.h"
#include "shell/shell.h"
#include "tests/support/scripted_win32.h"

namespace {

using Texts = std::vector<std::string>;

const std::string QUESTION =
    "Start FullScreen?|Would You Like To Run In Fullscreen Mode?\n  This Program Is Written By Odrenko.\n|36";
const std::string REFUSED =
    "OPENGL|The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?|52";
std::string Error(const std::string& text) { return "ERROR|" + text + "|48"; }
std::string Shutdown(const std::string& text) { return "SHUTDOWN ERROR|" + text + "|64"; }

const Step PASS = {WM_NULL, 0, 0}, ESCAPE = {WM_KEYDOWN, VK_ESCAPE, 1}, CLOSE = {WM_CLOSE, 0, 0};
const Step F1 = {WM_KEYDOWN, VK_F1, 1}, F1_UP = {WM_KEYUP, VK_F1, 0}, F1_REPEATED = {WM_KEYDOWN, VK_F1, 0x40000001};
const std::string TEARDOWN = "wglMakeCurrent wglDeleteContext ReleaseDC DestroyWindow UnregisterClassA";
const std::string WINDOWED = "40100 6cf0000 0 0 656 519 Tessaline - By Odrenko";  // framed 640 x 480 client
const std::string FULL_SCREEN = "40000 86000000 0 0 640 480 Tessaline - By Odrenko";

// WinMain as a fresh process runs it.
int RunProgram(const std::vector<int>& answers, const std::deque<Step>& script, const char* failing, int nth) {
    scripted = ScriptedWin32{script, answers, failing, nth};
    fullscreen = active = true;
    std::memset(keys, 0, sizeof keys);
    return WinMain(nullptr, nullptr, nullptr, SW_SHOW);
}

// First in the file: the pixel format descriptor is filled once per process,
// by the first window that gets past its creation.
TEST(GLWindow, RecordsHoldWhatWasAskedFor) {
    scripted = ScriptedWin32{{}, {}, "CreateWindowExA", 1};
    EXPECT_FALSE(CreateGLWindow("Tessaline", 640, 480, 24, false));  // before the descriptor's turn
    EXPECT_TRUE(CreateGLWindow("Tessaline", 640, 480, 0x120, false));
    KillGLWindow();
    EXPECT_TRUE(CreateGLWindow("Tessaline", 800, 600, 16, true));
    KillGLWindow();

    const WNDCLASSA& c = scripted.windowClass;
    EXPECT_TRUE(c.style == 0x23 && c.lpfnWndProc == WndProc && c.hInstance && c.hIcon && c.hCursor);
    // Size 156, fields 0x1C0000, 16 bits, 800 x 600; everything else zero.
    const DEVMODEA mode = {{}, 0, 0,  156, 0, 0x1C0000, {}, 0, 0, 0, 0, 0, {}, 0,
                           16, 800, 600, {}, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&scripted.mode, &mode, sizeof mode), 0);
    // The colour bits of the first window past creation, cut to one byte.
    const PIXELFORMATDESCRIPTOR pfd = {40, 1, 0x25, 0, 0x20, 0, 0, 0, 0, 0, 0, 0, 0,  // through the alpha shift
                                       0,  0, 0,    0, 0,    16, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&scripted.pfd, &pfd, sizeof pfd), 0);
}

struct WholeRun {
    const char* name;
    std::vector<int> answers;  // the question's first
    std::deque<Step> script;
    int exitCode, cursorCount;  // the cursor's display count at exit
    Texts boxes, windows;       // the boxes shown, the windows made
    std::string frames, calls;  // see ScriptedWin32::frames; a run of calls the log holds
    const char* failing = "";   // the call made to fail: the mode refused, or F1's new window
    int nth = 0;
};

TEST(WholeRuns, EachEndsWithItsExitCodeBoxesWindowsFramesAndTeardown) {
    const WholeRun runs[] = {
        {"No, then Escape", {IDNO}, {PASS, ESCAPE}, 0, -1, {QUESTION}, {WINDOWED}, "Wdh ",
         "SetForegroundWindow SetFocus ReSizeGLScene InitGL PeekMessageA GetKeyState GetCursorPos glClear"},
        {"the mode refused, then Yes", {IDYES, IDYES}, {PASS, ESCAPE}, 0, 0, {QUESTION, REFUSED}, {WINDOWED}, "Wds ",
         "DefWindowProcA PeekMessageA " + TEARDOWN, "ChangeDisplaySettingsA", 1},
        {"the mode refused, then No", {IDYES, IDNO}, {}, 1, 0, {QUESTION, REFUSED, "ERROR|Program Will Now Close.|16"},
         {}, "", "RegisterClassA ChangeDisplaySettingsA MessageBoxA MessageBoxA", "ChangeDisplaySettingsA", 1},
        {"full screen, F1 tapped, closed", {IDYES}, {F1, F1_UP, PASS, CLOSE}, 0, 0, {QUESTION}, {FULL_SCREEN}, "Fdh ",
         "PostQuitMessage PeekMessageA ChangeDisplaySettingsA ShowCursor " + TEARDOWN},
        // F1 toggles once per press held into a pass: not on its repeats, nor
        // on codes past the held-key table (here F1's in their low byte), nor
        // on a tap let go before the pass.
        {"F1 twice", {IDNO}, {{WM_KEYDOWN, 0x100 | VK_F1, 1}, PASS, F1, {WM_KEYUP, 0x100 | VK_F1, 0}, PASS, F1_REPEATED,
         PASS, F1_UP, F1, PASS, F1_UP, CLOSE}, 0, -1, {QUESTION}, {WINDOWED, FULL_SCREEN, WINDOWED}, "Wdh Wdh Fdh Fdh ",
         "SwapBuffers " + TEARDOWN + " GetModuleHandleA"},
        // Deactivated, then minimised (a high word in wParam); the screen saver
        // and the monitor's power-down then refused, not passed on.
        {"deactivated, minimised: polled and swapped, not drawn", {IDNO},
         {{WM_ACTIVATE, WA_INACTIVE, 0}, PASS, {WM_ACTIVATE, 0x10000, 0}, {WM_SYSCOMMAND, SC_SCREENSAVE, 0},
          {WM_SYSCOMMAND, SC_MONITORPOWER, 0}, PASS, {WM_ACTIVATE, WA_ACTIVE, 0}, PASS, ESCAPE}, 0, -1, {QUESTION},
         {WINDOWED}, "Wdh W-h Wdh ",
         "DispatchMessageA PeekMessageA TranslateMessage DispatchMessageA PeekMessageA GetKeyState GetCursorPos"},
        {"F1, the new window refused", {IDNO}, {F1, PASS}, 1, -1, {QUESTION, Error("Window Creation Error.")},
         {WINDOWED}, "Wdh ", "CreateWindowExA ChangeDisplaySettingsA ShowCursor UnregisterClassA MessageBoxA",
         "CreateWindowExA", 2},
    };
    for (const WholeRun& run : runs) {
        SCOPED_TRACE(run.name);
        EXPECT_EQ(RunProgram(run.answers, run.script, run.failing, run.nth), run.exitCode);

        EXPECT_EQ(scripted.boxes, run.boxes);
        EXPECT_EQ(scripted.windowsCreated, run.windows);
        EXPECT_EQ(scripted.frames, run.frames);
        EXPECT_EQ(scripted.cursorCount, run.cursorCount);
        EXPECT_NE((" " + scripted.log + " ").find(" " + run.calls + " "), std::string::npos) << scripted.log;
        // Every handle cleared and the display mode back; when the user stops
        // before any window, the instance stays and the class is still held.
        EXPECT_TRUE(!hWnd && !hDC && !hRC && (hInstance != nullptr) == run.windows.empty() && !scripted.modeChanged);
        EXPECT_EQ(scripted.live.size(), run.windows.empty());
    }
}

TEST(WholeRuns, EachCallMadeToFailEndsInItsBoxExitCodeAndTeardown) {
    // By the call made to fail, its service and which call: the exit code and
    // the box shown after the question.
    const std::map<std::string, std::pair<int, std::string>> failures = {
        {"RegisterClassA 1", {1, Error("Failed To Register The Window Class.")}},
        {"CreateWindowExA 1", {1, Error("Window Creation Error.")}},
        {"DefWindowProcA 1", {1, Error("Window Creation Error.")}},  // the window's first message
        {"GetDC 1", {1, Error("Can't Create A GL Device Context.")}},
        {"ChoosePixelFormat 1", {1, Error("Can't Find A Suitable PixelFormat.")}},
        {"SetPixelFormat 1", {1, Error("Can't Set The PixelFormat.")}},
        {"wglCreateContext 1", {1, Error("Can't Create A GL Rendering Context.")}},
        {"wglMakeCurrent 1", {1, Error("Can't Activate The GL Rendering Context.")}},
        {"InitGL 1", {1, Error("Initialization Failed.")}},
        {"wglMakeCurrent 2", {0, Shutdown("Release Of DC And RC Failed.")}},
        {"wglDeleteContext 1", {0, Shutdown("Release Rendering Context Failed.")}},
        {"ReleaseDC 1", {0, Shutdown("Release Device Context Failed.")}},
        {"DestroyWindow 1", {0, Shutdown("Could Not Release hWnd.")}},
        {"UnregisterClassA 1", {0, Shutdown("Could Not Unregister Class.")}},
        // Escape's quit unseen: the held-key table ends the loop with the key
        // message's wParam, the first time undrawn.
        {"PeekMessageA 3", {VK_ESCAPE, ""}},
        {"PostQuitMessage 1", {VK_ESCAPE, ""}},
    };
    const std::deque<Step> script = {PASS, ESCAPE, PASS, CLOSE};
    ASSERT_EQ(RunProgram({IDNO}, script, "", 0), 0);
    const std::map<std::string, int> plain = scripted.calls;
    for (const auto& [service, count] : plain)
        for (int nth = 1; nth <= count; ++nth) {
            std::string call = service + " " + std::to_string(nth);
            SCOPED_TRACE(call);
            auto [exitCode, box] = failures.count(call) ? failures.at(call) : std::pair<int, std::string>();  // or none

            EXPECT_EQ(RunProgram({IDNO}, script, service.c_str(), nth), exitCode);

            EXPECT_EQ(scripted.boxes, box.empty() ? Texts{QUESTION} : Texts({QUESTION, box}));
            // As after a whole run (but windowed: the display mode is never
            // changed), except that a refused release leaves its handle held (a
            // context not made current holds none), and the instance stays when
            // creation stopped with nothing to give back.
            bool refused = exitCode == 0 && !box.empty() && service != "wglMakeCurrent";
            EXPECT_TRUE(!hWnd && !hDC && !hRC && (hInstance != nullptr) == (service == "RegisterClassA"));
            EXPECT_EQ(scripted.live.size(), refused);
        }
}

}  // namespace

// The renderer's set-up stands in for the real one, so that these tests see
// each resize and can make the set-up fail; each frame drawn shows by the
// clearing that starts it. Every other GL call reaches the real library,
// which ignores it: no context is current here.
int InitGL() { return scripted.Call("InitGL"); }
void ReSizeGLScene(int, int) { scripted.Call("ReSizeGLScene"); }
void GLAPIENTRY glClear(GLbitfield) { scripted.Set("glClear", scripted.drawn, true); }
