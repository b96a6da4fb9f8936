// A scripted Win32 for unit tests: the user and the system in one place,
// `scripted`. A test sets the script (messages and idle passes, box answers,
// the call made to fail, keys held), runs the program, and reads back the
// service names called, the boxes shown, a token per buffer swap and the
// handles the system still holds.
//
// A call whose handles are not live fails as Windows would refuse it; the
// program's failure paths then show. No GL function is provided here: tests
// that watch GL bring their own.
#ifndef TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
#define TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/win32.h"

// A message for the program's next look; WM_NULL stands for an idle pass (a
// look that finds nothing), a message no test needs delivered.
struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The first six members are the ones a test starts with, in this order;
// every other has its initialiser, so that a test's set-up names only those.
struct ScriptedWin32 {
    std::deque<Step> script;   // PostQuitMessage puts the quit first
    std::vector<int> answers;  // to the boxes in turn; past the end, OK
    std::string failing;       // the service whose nth call fails
    int nth = 0;
    bool held[256] = {};
    POINT cursor = {320, 240};

    // Service names in order, space-separated (a run of GetKeyState is one);
    // per swap: F(ull screen), W(indowed) or x (not a live context current on
    // the shown window's DC), then d(rawn) or -, then h(idden cursor) or s(hown).
    std::string log{}, frames{};
    // The boxes shown, "caption|text|style"; the windows made, "exStyle style
    // x y width height title", styles in hex.
    std::vector<std::string> boxes{}, windowsCreated{};
    std::vector<int> keysAsked{};  // GetKeyState's codes in order
    DEVMODEA mode = {};
    PIXELFORMATDESCRIPTOR pfd = {};
    WNDCLASSA windowClass = {};
    bool drawn = false, modeChanged = false, visible = false;  // drawn: since the last swap, kept by a test

    std::set<const void*> live{};  // handles made and not given back, the class among them
    HWND window = nullptr;  // the last made
    HGLRC current = nullptr;
    int cursorCount = 0;
    std::map<std::string, int> calls{};
    uintptr_t made = 0;

    // Logs the call; false when it is the one made to fail, or not valid.
    bool Call(const char* service, bool valid = true);
    // A Call that, when it succeeds, stores the value.
    template <class T>
    bool Set(const char* service, T& to, const T& value) { return Call(service) && (to = value, true); }
    bool Live(const void* handle) const { return handle && live.count(handle); }
    bool Release(const char* service, const void* handle);  // a Call that gives it back
    const void* Make() { return *live.insert(reinterpret_cast<void*>(++made << 4)).first; }  // a new live handle
};

extern ScriptedWin32 scripted;

#endif  // TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
