// A scripted Win32 for unit tests: the user and the system in one place,
// `scripted`. A test sets the script (messages and idle passes, box answers,
// calls that fail, keys held, the cursor), runs the program, and reads back
// the service names called, the boxes shown, one token per buffer swap and
// the state of the one window, context and display mode it keeps.
//
// A call with handles or arguments that do not match the system's state
// fails, as Windows would refuse it; the program's failure paths then show.
// No GL function is provided here: tests that watch GL calls bring their own.
#ifndef TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
#define TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "shell/win32.h"

// A step of the script: a message found by the program's next look, a look
// that finds nothing (IDLE), or the cursor moved to (wParam, lParam).
struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
const UINT IDLE = 0, CURSOR = 0xFFFF;

struct ScriptedWin32 {
    // The script.
    std::deque<Step> script;
    std::deque<int> answers;             // to the boxes in turn; with none left, OK
    std::map<std::string, int> failing;  // service -> which of its calls fails, from 1
    bool modeOffered = true;             // whether the display takes a full-screen mode
    bool held[256] = {};                 // follows the key messages the program removes
    POINT cursor = {320, 240};

    // The record.
    std::vector<std::string> log;    // service names in call order; a run of GetKeyState is one
    std::vector<int> keysAsked;      // GetKeyState's codes in order
    std::vector<std::string> boxes;  // "caption|text|style"
    std::vector<std::string> windowsCreated;  // "title|exStyle|style|x y width height", hex styles
    std::string frames;  // per swap: W(indowed)/F(ull screen)/x(not ready), d(rawn)/-, h(idden cursor)/s
    DEVMODEA mode = {};               // the last mode asked for
    PIXELFORMATDESCRIPTOR pfd = {};   // the last descriptor chosen from
    WNDCLASSA windowClass = {};       // as registered
    int viewport[2] = {-1, -1};       // width and height, kept by the test's glViewport
    bool drawn = false;               // a frame drawn since the last swap, kept by the test

    // The system's state.
    HINSTANCE registered = nullptr;  // the class's instance, while "OpenGL" is registered
    bool classRegistered = false, modeChanged = false, current = false, visible = false;
    int windows = 0, contexts = 0, cursorCount = 0, format = 0;
    HWND window = nullptr, focus = nullptr, foreground = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
    bool quitPosted = false;
    int quitCode = 0;
    MSG defaulted = {};  // the last message given to DefWindowProcA
    std::map<std::string, int> calls;
    uintptr_t serial = 0;

    bool Call(const char* service);  // logs it; true when this call is to fail
    template <class Handle>
    Handle NewHandle() {
        return reinterpret_cast<Handle>(++serial << 4);
    }
};

extern ScriptedWin32 scripted;

#endif  // TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
