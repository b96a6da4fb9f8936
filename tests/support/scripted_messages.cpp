// The message queue and default processing of the scripted Win32.
#include "tests/support/log_format.h"
#include "tests/support/scripted_win32.h"

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (scripted.Call("PeekMessageA", Join({Name(hWnd), std::to_string(wMsgFilterMin), std::to_string(wMsgFilterMax),
                                            std::to_string(wRemoveMsg)})))
        return FALSE;
    if (!scripted.NextMessage(lpMsg)) return FALSE;

    // The key state follows the key messages as they are removed.
    if (lpMsg->wParam < 256 && lpMsg->message == WM_KEYDOWN) scripted.held[lpMsg->wParam] = true;
    if (lpMsg->wParam < 256 && lpMsg->message == WM_KEYUP) scripted.held[lpMsg->wParam] = false;
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    scripted.Call("TranslateMessage", Message(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam));
    return FALSE;  // no character messages in this world
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (scripted.Call("DispatchMessageA", Message(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam)))
        return 0;
    return scripted.Send(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
    scripted.Call("PostQuitMessage", std::to_string(nExitCode));
    scripted.PostQuit(nExitCode);
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (scripted.Call("DefWindowProcA", Message(hWnd, Msg, wParam, lParam))) return 0;
    // As Windows does, the system command's low four bits are its own.
    if (Msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) scripted.Send(hWnd, WM_CLOSE, 0, 0);
    return scripted.defaultResult;
}
