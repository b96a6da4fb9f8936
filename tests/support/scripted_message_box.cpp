// Message boxes of the scripted Win32: the test answers them in advance.
#include <gtest/gtest.h>

#include "tests/support/log_format.h"
#include "tests/support/scripted_win32.h"

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    if (scripted.Call("MessageBoxA", Join({Name(hWnd), Quote(lpText), Quote(lpCaption), Hex(uType)}))) return 0;
    int button = IDOK;
    if (!scripted.TakeAnswer(&button))
        ADD_FAILURE() << "a message box the test did not expect: " << Quote(lpText) << ", " << Quote(lpCaption);
    return button;
}
