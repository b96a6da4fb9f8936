#include <gtest/gtest.h>

#include "shell/shell.h"
#include "tests/shell/shell_test.h"

namespace {

const WPARAM ABOVE_32_BITS = static_cast<WPARAM>(0x700000000ull);
const LRESULT DEFAULTED = 0xDEF;  // what the scripted DefWindowProcA answers

// Each message starts from: active as the row's opposite (else true), only
// the S entry of the held-key table set, no viewport yet.
struct Message {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    const char* calls;
    int active;       // after; -1: untouched
    int key;          // the table entry to look at
    bool held;        // that entry after; every other as before
    int viewport[2];  // after
};

TEST(WindowProcedure, AnswersEachMessageByItsTable) {
    const Message messages[] = {
        {"activated", WM_ACTIVATE, WA_ACTIVE, 0, 0, "", 1, 'S', true, {-1, -1}},
        {"deactivated, not minimised", WM_ACTIVATE, WA_INACTIVE, 0, 0, "", 1, 'S', true, {-1, -1}},
        {"minimised", WM_ACTIVATE, 0x10000, 0, 0, "", 0, 'S', true, {-1, -1}},
        {"bits above the low 32 only", WM_ACTIVATE, ABOVE_32_BITS | WA_ACTIVE, 0, 0, "", 1, 'S', true, {-1, -1}},
        {"screen saver", WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0, "", -1, 'S', true, {-1, -1}},
        {"monitor power", WM_SYSCOMMAND, SC_MONITORPOWER, 0, 0, "", -1, 'S', true, {-1, -1}},
        {"screen saver, low bits set", WM_SYSCOMMAND, SC_SCREENSAVE | 2, 0, DEFAULTED, "DefWindowProcA", -1, 'S',
         true, {-1, -1}},
        {"minimise command", WM_SYSCOMMAND, SC_MINIMIZE, 0, DEFAULTED, "DefWindowProcA", -1, 'S', true, {-1, -1}},
        {"close", WM_CLOSE, 0, 0, 0, "PostQuitMessage", -1, 'S', true, {-1, -1}},
        {"W pressed", WM_KEYDOWN, 'W', 1, DEFAULTED, "DefWindowProcA", -1, 'W', true, {-1, -1}},
        {"W repeated", WM_KEYDOWN, 'W', 0x40000001, DEFAULTED, "DefWindowProcA", -1, 'W', false, {-1, -1}},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, 1, DEFAULTED, "PostQuitMessage DefWindowProcA", -1, VK_ESCAPE, true,
         {-1, -1}},
        {"Escape repeated", WM_KEYDOWN, VK_ESCAPE, 0x40000001, DEFAULTED, "PostQuitMessage DefWindowProcA", -1,
         VK_ESCAPE, false, {-1, -1}},
        {"a code of 256 and more", WM_KEYDOWN, 0x100 | 'W', 1, DEFAULTED, "DefWindowProcA", -1, 'W', false, {-1, -1}},
        {"S released", WM_KEYUP, 'S', static_cast<LPARAM>(0xC0000001), 0, "", -1, 'S', false, {-1, -1}},
        {"a code of 256 and more released", WM_KEYUP, 0x100 | 'S', 0, 0, "", -1, 'S', true, {-1, -1}},
        {"a code past 32 bits released", WM_KEYUP, ABOVE_32_BITS | 'S', 0, 0, "", -1, 'S', true, {-1, -1}},
        {"sized", WM_SIZE, SIZE_RESTORED, 0x01E00280, 0, "glViewport", -1, 'S', true, {640, 480}},
        {"halves unsigned", WM_SIZE, 2 /* maximised */, static_cast<LPARAM>(0x8001FFFF), 0, "glViewport", -1,
         'S', true, {65535, 32769}},
        {"anything else", WM_SETFOCUS, 0x1234, -2, DEFAULTED, "DefWindowProcA", -1, 'S', true, {-1, -1}},
    };
    const HWND window = reinterpret_cast<HWND>(0x5170);
    for (const Message& m : messages) {
        SCOPED_TRACE(m.name);
        StartAfresh();
        hWnd = reinterpret_cast<HWND>(0x0BAD);  // the message's own window is the one passed on
        scripted.windowClass.lpfnWndProc = WndProc;
        active = m.active != 1;
        keys['S'] = true;

        EXPECT_EQ(WndProc(window, m.message, m.wParam, m.lParam), m.result);

        EXPECT_EQ(Calls(), m.calls);
        EXPECT_EQ(active, m.active != 0);
        for (int key = 0; key < 256; ++key)
            EXPECT_EQ(keys[key], key == m.key ? m.held : key == 'S') << "entry " << key;
        EXPECT_TRUE(scripted.viewport[0] == m.viewport[0] && scripted.viewport[1] == m.viewport[1]);
        EXPECT_EQ(scripted.quitCode, 0);
        if (m.result == DEFAULTED) {
            EXPECT_TRUE(scripted.defaulted.hwnd == window && scripted.defaulted.message == m.message &&
                        scripted.defaulted.wParam == m.wParam && scripted.defaulted.lParam == m.lParam);
        }
    }
}

}  // namespace
