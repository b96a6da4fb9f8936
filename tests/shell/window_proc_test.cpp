#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/shell/shell_test.h"

namespace {

using Lines = std::vector<std::string>;

// A window of the program's class, as CreateWindowExA would leave it, so
// that default processing can send messages back to WndProc.
class WindowProcedure : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window = scripted.NewHandle<HWND>(ScriptedWin32::Kind::window);
        scripted.windows[window] = ScriptedWindow{"OpenGL", WndProc, 0, 0, RECT{0, 0, 656, 519}, 640, 480,
                                                  true,     nullptr, 0};
        scripted.defaultResult = 0x5EED;  // so that a result passed on shows
    }
    LRESULT Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
        return WndProc(window, message, wParam, lParam);
    }
    bool QuitPosted() {
        int exitCode = -1;
        return scripted.QuitWaiting(&exitCode) && exitCode == 0;
    }
    HWND window;
};

const uint64_t ABOVE_32_BITS = 0x700000000ull;

TEST_F(WindowProcedure, ActivationLooksOnlyAtTheHighWordOfWParam) {
    struct Case {
        const char* name;
        WPARAM wParam;
        bool active;
    };
    const Case cases[] = {
        {"activated", WA_ACTIVE, true},
        {"deactivated, not minimised", WA_INACTIVE, true},
        {"deactivated and minimised", 0x10000, false},
        {"activated while minimised", 0x10001, false},
        {"all of the high word", 0xFFFF0000, false},
        {"bits above the low 32 only", ABOVE_32_BITS | WA_ACTIVE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scripted.log.clear();
        active = !c.active;
        EXPECT_EQ(Deliver(WM_ACTIVATE, c.wParam, 0), 0);
        EXPECT_EQ(active, c.active);
        EXPECT_TRUE(scripted.log.empty()) << "no default processing";
    }
}

TEST_F(WindowProcedure, RefusesTheScreenSaverAndMonitorPowerAndDefaultsOtherSystemCommands) {
    struct Case {
        const char* name;
        WPARAM command;
        const char* defaulted;  // the default processing asked for, if any
    };
    const Case cases[] = {
        {"screen saver", SC_SCREENSAVE, nullptr},
        {"monitor power", SC_MONITORPOWER, nullptr},
        {"screen saver with low bits: whole values are compared", SC_SCREENSAVE | 0x2,
         "DefWindowProcA(window1, WM_SYSCOMMAND, 0xf142, 0xc80064)"},
        {"monitor power with low bits", SC_MONITORPOWER | 0x2,
         "DefWindowProcA(window1, WM_SYSCOMMAND, 0xf172, 0xc80064)"},
        {"minimise", SC_MINIMIZE, "DefWindowProcA(window1, WM_SYSCOMMAND, 0xf020, 0xc80064)"},
        {"restore", SC_RESTORE, "DefWindowProcA(window1, WM_SYSCOMMAND, 0xf120, 0xc80064)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scripted.log.clear();
        LRESULT result = Deliver(WM_SYSCOMMAND, c.command, 0x00C80064);
        EXPECT_EQ(result, c.defaulted ? 0x5EED : 0);
        EXPECT_EQ(scripted.log, c.defaulted ? Lines{c.defaulted} : Lines{});
    }
}

TEST_F(WindowProcedure, TheCloseCommandComesBackAsACloseThatAsksToQuit) {
    EXPECT_EQ(Deliver(WM_SYSCOMMAND, SC_CLOSE, 0), 0x5EED);
    EXPECT_EQ(scripted.log, (Lines{"DefWindowProcA(window1, WM_SYSCOMMAND, 0xf060, 0x0)", "PostQuitMessage(0)"}));
    EXPECT_TRUE(QuitPosted());
}

TEST_F(WindowProcedure, CloseAsksToQuitAndLeavesTheWindowStanding) {
    EXPECT_EQ(Deliver(WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(scripted.log, Lines{"PostQuitMessage(0)"});
    EXPECT_EQ(scripted.windows.count(window), 1u);
    EXPECT_TRUE(QuitPosted());
}

TEST_F(WindowProcedure, KeyDownMarksTheFirstPressOnlyAndAlwaysDefaults) {
    struct Case {
        const char* name;
        WPARAM key;
        LPARAM lParam;
        int marked;  // the entry set, or -1 for none
        Lines calls;
    };
    const Case cases[] = {
        {"first press of W", 'W', 0x00000001, 'W', {"DefWindowProcA(window1, WM_KEYDOWN, 0x57, 0x1)"}},
        {"auto-repeat of W", 'W', 0x40000001, -1, {"DefWindowProcA(window1, WM_KEYDOWN, 0x57, 0x40000001)"}},
        {"first press of F1", VK_F1, 0x003B0001, VK_F1, {"DefWindowProcA(window1, WM_KEYDOWN, 0x70, 0x3b0001)"}},
        {"auto-repeat of F1", VK_F1, 0x403B0001, -1, {"DefWindowProcA(window1, WM_KEYDOWN, 0x70, 0x403b0001)"}},
        {"first press of Escape", VK_ESCAPE, 0x00010001, VK_ESCAPE,
         {"PostQuitMessage(0)", "DefWindowProcA(window1, WM_KEYDOWN, 0x1b, 0x10001)"}},
        {"auto-repeat of Escape still asks to quit", VK_ESCAPE, 0x40010001, -1,
         {"PostQuitMessage(0)", "DefWindowProcA(window1, WM_KEYDOWN, 0x1b, 0x40010001)"}},
        {"a code of 256 is ignored", 256, 0x00000001, -1, {"DefWindowProcA(window1, WM_KEYDOWN, 0x100, 0x1)"}},
        {"a code past the low 32 bits is not cut down to W", ABOVE_32_BITS | 'W', 0x00000001, -1,
         {"DefWindowProcA(window1, WM_KEYDOWN, 0x700000057, 0x1)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        EXPECT_EQ(Deliver(WM_KEYDOWN, c.key, c.lParam), 0x5EED);
        for (int entry = 0; entry < 256; ++entry) EXPECT_EQ(keys[entry], entry == c.marked) << "entry " << entry;
        EXPECT_EQ(scripted.log, c.calls);
        EXPECT_EQ(QuitPosted(), c.calls.front() == "PostQuitMessage(0)");
    }
}

TEST_F(WindowProcedure, KeyUpClearsItsEntryWithoutDefaultProcessing) {
    struct Case {
        const char* name;
        WPARAM key;
        int cleared;  // the entry cleared, or -1 for none
    };
    const Case cases[] = {
        {"W", 'W', 'W'},
        {"F1", VK_F1, VK_F1},
        {"the last entry", 255, 255},
        {"a code of 256 is ignored", 256, -1},
        {"a code past the low 32 bits is not cut down to F1", ABOVE_32_BITS | VK_F1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scripted.log.clear();
        std::fill(std::begin(keys), std::end(keys), true);
        EXPECT_EQ(Deliver(WM_KEYUP, c.key, 0xC0000001), 0);
        for (int entry = 0; entry < 256; ++entry) EXPECT_EQ(keys[entry], entry != c.cleared) << "entry " << entry;
        EXPECT_TRUE(scripted.log.empty());
    }
}

TEST_F(WindowProcedure, SizeResizesTheSceneFromTheUnsignedHalvesOfLParam) {
    struct Case {
        const char* name;
        WPARAM kind;
        LPARAM lParam;
        const char* viewport;  // as ReSizeGLScene sets it
    };
    const Case cases[] = {
        {"640 x 480", SIZE_RESTORED, 0x01E00280, "glViewport(0, 0, 640, 480)"},
        {"a height of 0 is taken as 1", SIZE_RESTORED, 0x00000320, "glViewport(0, 0, 800, 1)"},
        {"minimised to 0 x 0", SIZE_MINIMIZED, 0, "glViewport(0, 0, 0, 1)"},
        {"halves are unsigned", SIZE_RESTORED, 0xFFFFFFFF, "glViewport(0, 0, 65535, 65535)"},
        {"bits above the low 32 are not looked at", SIZE_RESTORED, static_cast<LPARAM>(ABOVE_32_BITS | 0x00C80140),
         "glViewport(0, 0, 320, 200)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scripted.log.clear();
        EXPECT_EQ(Deliver(WM_SIZE, c.kind, c.lParam), 0);
        EXPECT_EQ(scripted.log, Lines{c.viewport});
    }
}

TEST_F(WindowProcedure, AnyOtherMessageGetsDefaultProcessingWithItsOwnArguments) {
    // The global hWnd is null (as during CreateWindowExA) or another window:
    // default processing gets the window the message came with either way.
    HWND otherWindow = scripted.NewHandle<HWND>(ScriptedWin32::Kind::window);
    for (HWND global : {static_cast<HWND>(nullptr), otherWindow}) {
        SCOPED_TRACE(global ? "global hWnd is another window" : "global hWnd is null");
        scripted.log.clear();
        hWnd = global;
        EXPECT_EQ(Deliver(WM_SETFOCUS, 0x1234, -2), 0x5EED);
        EXPECT_EQ(Deliver(WM_NULL, 0, 0), 0x5EED);
        EXPECT_EQ(scripted.log, (Lines{"DefWindowProcA(window1, 0x7, 0x1234, 0xfffffffffffffffe)",
                                       "DefWindowProcA(window1, 0x0, 0x0, 0x0)"}));
    }
}

}  // namespace
