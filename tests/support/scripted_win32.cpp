// Input, messages and boxes of the scripted Win32.
#include "tests/support/scripted_win32.h"

ScriptedWin32 scripted;

bool ScriptedWin32::Call(const char* service) {
    if (std::string(service) != "GetKeyState" || log.empty() || log.back() != service) log.push_back(service);
    int nth = ++calls[service];
    auto fails = failing.find(service);
    return fails != failing.end() && fails->second == nth;
}

SHORT WINAPI GetKeyState(int nVirtKey) {
    scripted.Call("GetKeyState");
    scripted.keysAsked.push_back(nVirtKey);
    return nVirtKey >= 0 && nVirtKey < 256 && scripted.held[nVirtKey] ? static_cast<SHORT>(0xFF80) : 0;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (scripted.Call("GetCursorPos")) return FALSE;
    *lpPoint = scripted.cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
    if (scripted.Call("SetCursorPos")) return FALSE;
    scripted.cursor = POINT{X, Y};
    return TRUE;
}

int WINAPI ShowCursor(BOOL bShow) {
    scripted.Call("ShowCursor");
    return scripted.cursorCount += bShow ? 1 : -1;
}

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    scripted.boxes.push_back(std::string(hWnd ? "owned " : "") + lpCaption + "|" + lpText + "|" + std::to_string(uType));
    if (scripted.Call("MessageBoxA")) return 0;
    int answer = scripted.answers.empty() ? IDOK : scripted.answers.front();
    if (!scripted.answers.empty()) scripted.answers.pop_front();
    return answer;
}

// Windows' order: the quit once nothing else waits, then input. A script
// run out ends the program with 99; so does a loop that never stops looking.
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    bool refused = scripted.Call("PeekMessageA") || hWnd || wMsgFilterMin || wMsgFilterMax || wRemoveMsg != PM_REMOVE;
    if (refused && scripted.calls["PeekMessageA"] < 1000) return FALSE;
    std::deque<Step>& script = scripted.script;
    for (; !script.empty() && script.front().message == CURSOR; script.pop_front())
        scripted.cursor = POINT{static_cast<LONG>(script.front().wParam), static_cast<LONG>(script.front().lParam)};
    Step next = {WM_QUIT, 99, 0};
    if (scripted.quitPosted) {
        next = Step{WM_QUIT, static_cast<WPARAM>(scripted.quitCode), 0};
        scripted.quitPosted = false;
    } else if (!script.empty() && scripted.calls["PeekMessageA"] < 1000) {
        next = script.front();
        script.pop_front();
    }
    if (next.message == IDLE) return FALSE;
    *lpMsg = MSG{scripted.window, next.message, next.wParam, next.lParam, 0, POINT{0, 0}};
    if (next.wParam < 256 && (next.message == WM_KEYDOWN || next.message == WM_KEYUP))
        scripted.held[next.wParam] = next.message == WM_KEYDOWN;
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*) {
    scripted.Call("TranslateMessage");
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (scripted.Call("DispatchMessageA") || !lpMsg->hwnd || lpMsg->hwnd != scripted.window) return 0;
    return scripted.windowClass.lpfnWndProc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    if (scripted.Call("PostQuitMessage")) return;  // lost
    scripted.quitPosted = true;
    scripted.quitCode = nExitCode;
}

// Answers 0xDEF, so that a result passed on shows; the close command comes
// back as WM_CLOSE, as on Windows.
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (scripted.Call("DefWindowProcA")) return 0;
    scripted.defaulted = MSG{hWnd, Msg, wParam, lParam, 0, POINT{0, 0}};
    if (Msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) scripted.windowClass.lpfnWndProc(hWnd, WM_CLOSE, 0, 0);
    return 0xDEF;
}
