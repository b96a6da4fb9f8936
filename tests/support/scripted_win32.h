// A scripted Win32 for unit tests: a small window system of its own. A test
// says what the user and the system do in one place, `scripted` (keys held,
// the cursor, input arriving, answers to message boxes, display modes on
// offer, calls that fail), runs the program, and reads back every call the
// program made, in order and with its arguments, in `scripted.log`.
//
// What it keeps, as Windows would: registered classes; windows, whose
// messages reach their class's procedure (including the WM_SIZE sent during
// CreateWindowExA); a posted-message queue with PostQuitMessage's rule that
// the quit comes once nothing else is posted; the key state, updated from
// the key messages removed; the display mode; pixel formats and rendering
// contexts (no real GL: the program's GL calls find no current context).
//
// Not kept: painting, timers, WM_CREATE and the other creation messages,
// sent messages other than WM_SIZE at creation and WM_CLOSE from SC_CLOSE.
#ifndef TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
#define TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/win32.h"

struct DisplayMode {
    DWORD width, height, bits;
    bool operator==(const DisplayMode& other) const {
        return width == other.width && height == other.height && bits == other.bits;
    }
};

struct ScriptedWindow {
    std::string className;
    WNDPROC proc;
    DWORD exStyle, style;
    RECT rect;  // outer rectangle, screen coordinates
    LONG clientWidth, clientHeight;
    bool visible;
    HDC dc;           // its own device context, once asked for
    int pixelFormat;  // 0 until set
};

struct ScriptedWin32 {
    // --- The script: what the user and the system do.
    bool held[256] = {};  // keys down now; removing a key message updates it
    POINT cursor = {320, 240};
    std::vector<DisplayMode> displayModes = {{640, 480, 16}, {640, 480, 32}, {1280, 1024, 32}};
    int closestFormat = 3;      // what ChoosePixelFormat finds
    LRESULT defaultResult = 0;  // what DefWindowProcA answers

    // Makes the nth call (counted from 1) of a service fail; 0 fails them all.
    void Fail(const std::string& service, int nth = 0) { failures[service] = nth; }

    // The user's answer to the next message box. A box that finds no answer
    // waiting fails the test.
    void Answer(int button) { answers.push_back(button); }
    size_t AnswersLeft() const { return answers.size(); }

    // Input that the program meets, in this order, when it looks for
    // messages. Messages go to the window that has the focus by then.
    void Input(UINT message, WPARAM wParam, LPARAM lParam);
    void Press(int key) { Input(WM_KEYDOWN, key, 0x00000001); }
    void Repeat(int key) { Input(WM_KEYDOWN, key, 0x40000001); }  // auto-repeat: bit 30
    void Release(int key) { Input(WM_KEYUP, key, 0xC0000001); }
    void Idle(int passes);                     // looks that find no message
    void Then(std::function<void()> action);  // runs once the program gets this far
    // A message already waiting in the queue.
    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // --- The record.
    std::vector<std::string> log;  // every call in order, with its arguments
    std::vector<std::string> Calls(std::initializer_list<std::string> services) const;  // log lines of these
    std::vector<POINT> cursorMoves;
    int keyStateQueries = 0;
    DEVMODEA requestedMode = {};              // the last mode asked for
    PIXELFORMATDESCRIPTOR requestedFormat = {};  // the last descriptor offered to ChoosePixelFormat

    // --- The system's state.
    std::map<std::string, WNDCLASSA> classes;
    std::map<HWND, ScriptedWindow> windows;
    HWND focus = nullptr;
    HWND foreground = nullptr;
    DisplayMode desktop = {1280, 1024, 32};
    DisplayMode display = desktop;
    int cursorCount = 0;  // the cursor shows while this is not negative
    std::set<HGLRC> contexts;
    HGLRC current = nullptr;

    // --- For the services themselves.
    enum class Kind { window = 1, dc, context, icon, cursor, instance };
    static HINSTANCE Instance();
    template <class Handle>
    Handle NewHandle(Kind kind) {
        return reinterpret_cast<Handle>((static_cast<uintptr_t>(kind) << 16) | ++serials[kind]);
    }
    // Logs the call and says whether it fails.
    bool Call(const std::string& service, const std::string& arguments);
    // Delivers a message to its window's class procedure.
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The next message, by Windows' rule: posted, then the quit, then input.
    bool NextMessage(MSG* message);
    void PostQuit(int exitCode) {
        quitPosted = true;
        quitCode = exitCode;
    }
    bool QuitWaiting(int* exitCode) const {
        *exitCode = quitCode;
        return quitPosted;
    }
    bool TakeAnswer(int* button);
    ScriptedWindow* WindowOf(HDC dc);

private:
    struct Step {
        MSG message;
        int idlePasses;
        std::function<void()> action;
    };
    std::deque<Step> script;
    std::deque<MSG> posted;
    bool quitPosted = false;
    int quitCode = 0;
    std::deque<int> answers;
    std::map<Kind, uintptr_t> serials;
    std::map<std::string, int> failures;
    std::map<std::string, int> callCounts;
};

extern ScriptedWin32 scripted;

#endif  // TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
