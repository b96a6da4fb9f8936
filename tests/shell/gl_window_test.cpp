#include <cstring>
#include <string>
#include <vector>

#include "tests/shell/creation_failure.h"
#include "tests/shell/shell_test.h"

namespace {

using Lines = std::vector<std::string>;

const char* const TITLE = "Tessaline - By Odrenko";

class GLWindow : public ShellTest {};

TEST_F(GLWindow, WindowedCreationTakesEveryStepInOrder) {
    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, false));

    // The scripted desktop's frame adds 8 pixels left, right and below and
    // 31 above (caption and border) to a captioned window.
    EXPECT_EQ(scripted.log,
              (Lines{
                  "GetModuleHandleA(null)",
                  "LoadIconA(null, 32517)",
                  "LoadCursorA(null, 32512)",
                  "RegisterClassA({0x23, proc, 0, 0, instance, icon1, cursor1, null, null, \"OpenGL\"})",
                  "AdjustWindowRectEx({0, 0, 640, 480}, 0xcf0000, 0, 0x40100)",
                  "CreateWindowExA(0x40100, \"OpenGL\", \"Tessaline - By Odrenko\", 0x6cf0000, 0, 0, 656, 519, "
                  "null, null, instance, null)",
                  "glViewport(0, 0, 640, 480)",  // the size message sent while the window is being created
                  "GetDC(window1)",
                  "ChoosePixelFormat(dc1, {size 40, flags 0x25, colour 16, depth 16})",
                  "SetPixelFormat(dc1, 3, {size 40, flags 0x25, colour 16, depth 16})",
                  "wglCreateContext(dc1)",
                  "wglMakeCurrent(dc1, rc1)",
                  "ShowWindow(window1, 5)",
                  "SetForegroundWindow(window1)",
                  "SetFocus(window1)",
                  "glViewport(0, 0, 640, 480)",
              }));

    const WNDCLASSA& windowClass = scripted.classes.at("OpenGL");
    EXPECT_EQ(windowClass.lpfnWndProc, WndProc);
    EXPECT_EQ(windowClass.hbrBackground, nullptr);

    const ScriptedWindow& window = scripted.windows.at(hWnd);
    EXPECT_EQ(window.clientWidth, 640);
    EXPECT_EQ(window.clientHeight, 480);
    EXPECT_EQ(window.rect.left, 0);
    EXPECT_EQ(window.rect.top, 0);
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(scripted.focus, hWnd);
    EXPECT_EQ(scripted.foreground, hWnd);

    EXPECT_EQ(hInstance, ScriptedWin32::Instance());
    EXPECT_EQ(hDC, window.dc);
    EXPECT_EQ(scripted.current, hRC);
    EXPECT_FALSE(fullscreen);
    EXPECT_EQ(scripted.cursorCount, 0) << "the windowed path leaves the cursor alone";
    EXPECT_TRUE(scripted.display == scripted.desktop);
    ExpectAtStartPose(objCamera);
}

TEST_F(GLWindow, FullScreenCreationChangesTheModeAndHidesTheCursor) {
    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, true));

    EXPECT_EQ(Lines(scripted.log.begin() + 4, scripted.log.begin() + 8),
              (Lines{
                  "ChangeDisplaySettingsA({size 156, fields 0x1c0000, 640 x 480 x 16}, 0x4)",
                  "ShowCursor(0)",
                  "AdjustWindowRectEx({0, 0, 640, 480}, 0x80000000, 0, 0x40000)",
                  "CreateWindowExA(0x40000, \"OpenGL\", \"Tessaline - By Odrenko\", 0x86000000, 0, 0, 640, 480, "
                  "null, null, instance, null)",
              }));

    DEVMODEA mode;
    std::memset(&mode, 0, sizeof mode);
    mode.dmSize = 156;
    mode.dmFields = 0x1C0000;
    mode.dmPelsWidth = 640;
    mode.dmPelsHeight = 480;
    mode.dmBitsPerPel = 16;
    EXPECT_EQ(std::memcmp(&scripted.requestedMode, &mode, sizeof mode), 0) << "everything else zero";

    PIXELFORMATDESCRIPTOR format;
    std::memset(&format, 0, sizeof format);
    format.nSize = 40;
    format.nVersion = 1;
    format.dwFlags = 0x25;
    format.cColorBits = 16;
    format.cDepthBits = 16;
    EXPECT_EQ(std::memcmp(&scripted.requestedFormat, &format, sizeof format), 0) << "everything else zero";

    EXPECT_TRUE(fullscreen);
    EXPECT_TRUE(scripted.display == (DisplayMode{640, 480, 16}));
    EXPECT_LT(scripted.cursorCount, 0);
    EXPECT_EQ(scripted.windows.at(hWnd).clientWidth, 640);
    EXPECT_EQ(scripted.windows.at(hWnd).clientHeight, 480);
}

TEST_F(GLWindow, TeardownRestoresTheModeThenGivesBackInReverseOrder) {
    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, true));
    scripted.log.clear();

    KillGLWindow();

    EXPECT_EQ(scripted.log, (Lines{MODE_RESTORE, "ShowCursor(1)", "wglMakeCurrent(null, null)",
                                   "wglDeleteContext(rc1)", "ReleaseDC(window1, dc1)", "DestroyWindow(window1)",
                                   CLASS_REMOVAL}));
    ExpectNothingHeld();
    EXPECT_EQ(scripted.cursorCount, 0);
    EXPECT_EQ(scripted.current, nullptr);
}

TEST_F(GLWindow, EachFailureAfterTheWindowClassGivesEverythingBack) {
    const std::string hide = "ShowCursor(0)", show = "ShowCursor(1)";
    const std::string activate = "wglMakeCurrent(dc1, rc1)", release = "wglMakeCurrent(null, null)";
    const CreationFailure rows[] = {
        {"window creation", "CreateWindowExA", 1, "Window Creation Error.",
         {MODE_CHANGE, hide, MODE_RESTORE, show, CLASS_REMOVAL}},
        {"device context", "GetDC", 1, "Can't Create A GL Device Context.",
         {MODE_CHANGE, hide, MODE_RESTORE, show, "DestroyWindow(window1)", CLASS_REMOVAL}},
        {"choose pixel format", "ChoosePixelFormat", 1, "Can't Find A Suitable PixelFormat.",
         {MODE_CHANGE, hide, MODE_RESTORE, show, "ReleaseDC(window1, dc1)", "DestroyWindow(window1)", CLASS_REMOVAL}},
        {"set pixel format", "SetPixelFormat", 1, "Can't Set The PixelFormat.",
         {MODE_CHANGE, hide, MODE_RESTORE, show, "ReleaseDC(window1, dc1)", "DestroyWindow(window1)", CLASS_REMOVAL}},
        {"create context", "wglCreateContext", 1, "Can't Create A GL Rendering Context.",
         {MODE_CHANGE, hide, MODE_RESTORE, show, "ReleaseDC(window1, dc1)", "DestroyWindow(window1)", CLASS_REMOVAL}},
        {"make current", "wglMakeCurrent", 1, "Can't Activate The GL Rendering Context.",
         {MODE_CHANGE, hide, activate, MODE_RESTORE, show, release, "wglDeleteContext(rc1)", "ReleaseDC(window1, dc1)",
          "DestroyWindow(window1)", CLASS_REMOVAL}},
    };
    for (const CreationFailure& row : rows) ExpectCreationFailure(row);
}

TEST_F(GLWindow, AFailedClassRegistrationTearsNothingDown) {
    const std::string box = Box("Failed To Register The Window Class.", "ERROR", "0x30");
    scripted.Fail("RegisterClassA");
    scripted.Answer(IDOK);

    EXPECT_FALSE(CreateGLWindow(TITLE, 640, 480, 16, true));

    EXPECT_EQ(scripted.log.back(), box);
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), Lines{box});
    EXPECT_TRUE(Teardown().empty());
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_EQ(hDC, nullptr);
    EXPECT_EQ(hRC, nullptr);
    EXPECT_TRUE(scripted.display == scripted.desktop);

    StartAfresh();
    scripted.Fail("RegisterClassA");
    scripted.Answer(IDNO);
    scripted.Answer(IDOK);
    EXPECT_EQ(RunProgram(), 1);
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), (Lines{QUESTION, box}));
    EXPECT_TRUE(scripted.Calls({"PeekMessageA"}).empty());
}

TEST_F(GLWindow, ARefusedModeAnsweredNoEndsCreationWithTheClassStillRegistered) {
    const std::string box = Box("Program Will Now Close.", "ERROR", "0x10");
    scripted.displayModes.clear();
    scripted.Answer(IDNO);
    scripted.Answer(IDOK);

    EXPECT_FALSE(CreateGLWindow(TITLE, 640, 480, 16, true));

    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), (Lines{MODE_REFUSED, box}));
    EXPECT_EQ(scripted.log.back(), box);
    EXPECT_EQ(Teardown(), Lines{MODE_CHANGE});
    EXPECT_EQ(scripted.classes.count("OpenGL"), 1u);
    EXPECT_TRUE(scripted.windows.empty());
    EXPECT_TRUE(fullscreen) << "stays true when the user refuses";
    EXPECT_TRUE(scripted.display == scripted.desktop);
    EXPECT_EQ(scripted.cursorCount, 0);
}

TEST_F(GLWindow, ARefusedModeAnsweredYesCarriesOnWindowedWithTheCursorShowing) {
    scripted.displayModes.clear();
    scripted.Answer(IDYES);

    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, true));

    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), Lines{MODE_REFUSED});
    EXPECT_FALSE(fullscreen);
    const ScriptedWindow& window = scripted.windows.at(hWnd);
    EXPECT_EQ(window.style, 0x6CF0000u);
    EXPECT_EQ(window.clientWidth, 640);
    EXPECT_EQ(window.clientHeight, 480);
    EXPECT_EQ(scripted.cursorCount, 0);
    EXPECT_TRUE(scripted.display == scripted.desktop);

    scripted.log.clear();
    KillGLWindow();
    EXPECT_EQ(Teardown().front(), "wglMakeCurrent(null, null)") << "no mode to restore";
}

TEST_F(GLWindow, EachTeardownFailureIsReportedAndTheRestStillRuns) {
    struct Row {
        const char* service;
        int nth;  // counting the calls made by creation too
        const char* text;
        bool classStays;  // Windows keeps a class while a window of it is left
    };
    const Row rows[] = {
        {"wglMakeCurrent", 2, "Release Of DC And RC Failed.", false},
        {"wglDeleteContext", 1, "Release Rendering Context Failed.", false},
        {"ReleaseDC", 1, "Release Device Context Failed.", false},
        {"DestroyWindow", 1, "Could Not Release hWnd.", true},
        {"UnregisterClassA", 1, "Could Not Unregister Class.", true},
    };
    const Lines teardown = {MODE_RESTORE,
                            "ShowCursor(1)",
                            "wglMakeCurrent(null, null)",
                            "wglDeleteContext(rc1)",
                            "ReleaseDC(window1, dc1)",
                            "DestroyWindow(window1)",
                            CLASS_REMOVAL};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.service);
        StartAfresh();
        ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, true));
        scripted.log.clear();
        scripted.Fail(row.service, row.nth);

        // The box follows the failed call at once; every later step still runs.
        Lines expected;
        for (const std::string& line : teardown) {
            expected.push_back(line);
            bool failed = line.compare(0, std::strlen(row.service) + 1, std::string(row.service) + "(") == 0;
            if (failed) expected.push_back(Box(row.text, "SHUTDOWN ERROR", "0x40"));
            if (line == CLASS_REMOVAL && row.classStays && !failed)
                expected.push_back(Box("Could Not Unregister Class.", "SHUTDOWN ERROR", "0x40"));
        }
        for (const std::string& line : expected)
            if (line.compare(0, 12, "MessageBoxA(") == 0) scripted.Answer(IDOK);

        KillGLWindow();

        EXPECT_EQ(scripted.log, expected);
        EXPECT_EQ(scripted.classes.count("OpenGL"), row.classStays ? 1u : 0u);
        EXPECT_EQ(hRC, nullptr);
        EXPECT_EQ(hDC, nullptr);
        EXPECT_EQ(hWnd, nullptr);
        EXPECT_EQ(hInstance, nullptr);
        EXPECT_TRUE(scripted.display == scripted.desktop);
        EXPECT_EQ(scripted.cursorCount, 0);
        EXPECT_EQ(scripted.AnswersLeft(), 0u);
    }
}

TEST_F(GLWindow, TeardownWithNothingHeldOnlyTriesToRemoveTheClass) {
    // Windowed, created and torn down once: a second teardown finds nothing
    // to release and a class already gone.
    ASSERT_TRUE(CreateGLWindow(TITLE, 640, 480, 16, false));
    KillGLWindow();
    scripted.log.clear();
    scripted.Answer(IDOK);

    KillGLWindow();

    EXPECT_EQ(scripted.log, (Lines{"UnregisterClassA(\"OpenGL\", null)",
                                   Box("Could Not Unregister Class.", "SHUTDOWN ERROR", "0x40")}));

    // With the class there to remove, nothing is reported.
    StartAfresh();
    fullscreen = false;
    scripted.classes["OpenGL"] = WNDCLASSA{};
    KillGLWindow();
    EXPECT_EQ(scripted.log, Lines{"UnregisterClassA(\"OpenGL\", null)"});
    ExpectNothingHeld();
}

}  // namespace
