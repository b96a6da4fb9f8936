// Input, messages and boxes of the scripted Win32.
#include "tests/support/scripted_win32.h"

ScriptedWin32 scripted;

bool ScriptedWin32::Call(const char* service, bool valid) {
    if (std::string(service) != "GetKeyState" || log.empty() || log.back() != service) log.push_back(service);
    return ++calls[service] == nth && failing == service ? false : valid;
}

bool ScriptedWin32::Release(const char* service, const void* handle, bool valid) {
    return Call(service, valid && Live(handle)) && live.erase(handle);
}

SHORT WINAPI GetKeyState(int nVirtKey) {
    scripted.keysAsked.push_back(nVirtKey);
    return scripted.Call("GetKeyState") && scripted.held[nVirtKey & 0xFF] ? static_cast<SHORT>(0xFF80) : 0;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) { return scripted.Set("GetCursorPos", *lpPoint, scripted.cursor); }
BOOL WINAPI SetCursorPos(int X, int Y) { return scripted.Set("SetCursorPos", scripted.cursor, POINT{X, Y}); }
int WINAPI ShowCursor(BOOL bShow) {
    scripted.Call("ShowCursor");
    return scripted.cursorCount += bShow ? 1 : -1;
}

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::string box = std::string(lpCaption) + "|" + lpText + "|" + std::to_string(uType);
    scripted.boxes.push_back(hWnd ? "owned " + box : box);
    size_t shown = scripted.boxes.size() - 1;
    return !scripted.Call("MessageBoxA") ? 0 : shown < scripted.answers.size() ? scripted.answers[shown] : IDOK;
}

// A script run out, or a thousand looks, ends the program with 99.
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    ScriptedWin32& s = scripted;
    bool valid = !hWnd && !wMsgFilterMin && !wMsgFilterMax && wRemoveMsg == PM_REMOVE;
    if (!s.Call("PeekMessageA", valid) && s.calls["PeekMessageA"] < 1000) return FALSE;
    if (s.script.empty() || s.calls["PeekMessageA"] >= 1000) s.script.push_front(Step{WM_QUIT, 99, 0});
    Step next = s.script.front();
    s.script.pop_front();
    if (next.message == IDLE) {
        s.cursor = POINT{static_cast<LONG>(next.wParam), static_cast<LONG>(next.lParam)};
        return FALSE;
    }
    *lpMsg = MSG{s.window, next.message, next.wParam, next.lParam, 0, POINT{0, 0}};
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*) { return !scripted.Call("TranslateMessage"); }  // no characters

LRESULT WINAPI DispatchMessageA(const MSG* m) {
    if (!scripted.Call("DispatchMessageA", scripted.Live(m->hwnd))) return 0;
    return scripted.windowClass.lpfnWndProc(m->hwnd, m->message, m->wParam, m->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    if (scripted.Call("PostQuitMessage")) scripted.script.push_front(Step{WM_QUIT, WPARAM(nExitCode), 0});
}

// Answers 0xDEF, so that a result passed on shows; the close command comes
// back as WM_CLOSE, as on Windows.
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!scripted.Set("DefWindowProcA", scripted.defaulted, MSG{hWnd, Msg, wParam, lParam, 0, POINT{0, 0}})) return 0;
    if (Msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) scripted.windowClass.lpfnWndProc(hWnd, WM_CLOSE, 0, 0);
    return 0xDEF;
}
