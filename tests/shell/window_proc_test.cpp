#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "shell/shell.h"
#include "tests/support/scripted_win32.h"

namespace {

struct Message {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    const char* calls;
    int active;  // after; -1: untouched
    int key;     // the held-key table's entry to look at
    bool held;   // that entry after; the others stay
    int width, height;  // the viewport after
};

// Each message starts afresh: `active` the row's opposite (else true), only
// the S entry held, no viewport.
TEST(WindowProcedure, AnswersEachMessageByItsTable) {
    const LRESULT DEF = 0xDEF;                                // the scripted DefWindowProcA's answer
    const WPARAM HIGH = static_cast<WPARAM>(0x700000000ull);  // bits past the low 32
    const Message messages[] = {
        {"activated", WM_ACTIVATE, WA_ACTIVE, 0, 0, "", 1, 'S', true, -1, -1},
        {"deactivated, not minimised", WM_ACTIVATE, WA_INACTIVE, 0, 0, "", 1, 'S', true, -1, -1},
        {"minimised", WM_ACTIVATE, 0x10000, 0, 0, "", 0, 'S', true, -1, -1},
        {"high bits past the word", WM_ACTIVATE, HIGH | WA_ACTIVE, 0, 0, "", 1, 'S', true, -1, -1},
        {"screen saver", WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0, "", -1, 'S', true, -1, -1},
        {"monitor power", WM_SYSCOMMAND, SC_MONITORPOWER, 0, 0, "", -1, 'S', true, -1, -1},
        {"screen saver, low bits", WM_SYSCOMMAND, SC_SCREENSAVE | 2, 0, DEF, "DefWindowProcA", -1, 'S', true, -1, -1},
        {"close", WM_CLOSE, 0, 0, 0, "PostQuitMessage", -1, 'S', true, -1, -1},
        {"W down", WM_KEYDOWN, 'W', 1, DEF, "DefWindowProcA", -1, 'W', true, -1, -1},
        {"W repeated", WM_KEYDOWN, 'W', 0x40000001, DEF, "DefWindowProcA", -1, 'W', false, -1, -1},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, 1, DEF, "PostQuitMessage DefWindowProcA", -1, VK_ESCAPE, true, -1, -1},
        {"Escape repeated", WM_KEYDOWN, VK_ESCAPE, 0x40000001, DEF, "PostQuitMessage DefWindowProcA", -1, 'S', true,
         -1, -1},
        {"code 256 + W down", WM_KEYDOWN, 0x100 | 'W', 1, DEF, "DefWindowProcA", -1, 'W', false, -1, -1},
        {"S up", WM_KEYUP, 'S', 0, 0, "", -1, 'S', false, -1, -1},
        {"code 256 + S up", WM_KEYUP, 0x100 | 'S', 0, 0, "", -1, 'S', true, -1, -1},
        {"S up, high bits", WM_KEYUP, HIGH | 'S', 0, 0, "", -1, 'S', true, -1, -1},
        {"sized", WM_SIZE, SIZE_RESTORED, 0x01E00280, 0, "glViewport", -1, 'S', true, 640, 480},
        {"halves unsigned", WM_SIZE, 2, static_cast<LPARAM>(0x8001FFFF), 0, "glViewport", -1, 'S', true, 65535, 32769},
        {"anything else", WM_SETFOCUS, 0x1234, -2, DEF, "DefWindowProcA", -1, 'S', true, -1, -1},
    };
    const HWND window = reinterpret_cast<HWND>(0x5170);
    for (const Message& m : messages) {
        SCOPED_TRACE(m.name);
        scripted = ScriptedWin32();
        scripted.windowClass.lpfnWndProc = WndProc;
        hWnd = nullptr;  // as while CreateWindowExA sends its first messages
        active = m.active != 1;
        std::fill(std::begin(keys), std::end(keys), false);
        keys['S'] = true;

        EXPECT_EQ(WndProc(window, m.message, m.wParam, m.lParam), m.result);

        std::string calls;
        for (const std::string& call : scripted.log) calls += (calls.empty() ? "" : " ") + call;
        EXPECT_EQ(calls, m.calls);
        EXPECT_EQ(active, m.active != 0);
        for (int key = 0; key < 256; ++key) EXPECT_EQ(keys[key], key == m.key ? m.held : key == 'S') << key;
        EXPECT_TRUE(scripted.viewport.x == m.width && scripted.viewport.y == m.height);
        EXPECT_TRUE(scripted.script.empty() || scripted.script.front().wParam == 0) << "quits with 0";
        MSG defaulted = {window, m.message, m.wParam, m.lParam, 0, POINT{0, 0}};
        EXPECT_TRUE(m.result != DEF || !std::memcmp(&scripted.defaulted, &defaulted, sizeof defaulted));
    }
}

}  // namespace
