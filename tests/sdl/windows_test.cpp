// Window classes, windows and device contexts.
#include "tests/sdl/sdl_layer_fixture.h"

using WindowClasses = SdlLayerTest;
using Windows = SdlLayerTest;

TEST_F(WindowClasses, ANameRegistersOnceWhateverItsCaseAndUnregistersOnceNoWindowUsesIt) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "OpenGL";
    EXPECT_NE(RegisterClassA(&windowClass), 0);
    windowClass.lpszClassName = "OPENGL";
    EXPECT_EQ(RegisterClassA(&windowClass), 0);

    HWND hWnd = CreateWindowExA(0, "opengl", "", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr, nullptr, instance,
                                nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_FALSE(UnregisterClassA("OpenGL", instance)) << "a window still uses it";
    EXPECT_TRUE(DestroyWindow(hWnd));
    EXPECT_FALSE(UnregisterClassA("OpenGL", nullptr)) << "another instance's";
    EXPECT_TRUE(UnregisterClassA("OpenGL", instance));
    EXPECT_FALSE(UnregisterClassA("OpenGL", instance)) << "already gone";
}

TEST_F(Windows, CreationSendsNcCreateCreateAndTheClientSizeWithTheNewHandle) {
    HWND hWnd = MakeWindow(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(hWnd, nullptr);
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_EQ(delivered[0].message, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(delivered[1].message, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(delivered[2].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(delivered[2].lParam, 0x01E00280);  // 480 high, 640 low
    for (const Delivered& d : delivered) EXPECT_EQ(d.hwnd, hWnd);
}

TEST_F(Windows, CreationFailsForAnUnknownClassOrARefusedNcCreate) {
    EXPECT_EQ(CreateWindowExA(0, "Nowhere", "", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    refuseNcCreate = true;
    EXPECT_EQ(MakeWindow(WS_POPUP), nullptr);
    EXPECT_TRUE(Received(WM_CREATE).empty());
}

TEST_F(Windows, AdjustingARectangleAddsNoFrameForAnyStyle) {
    for (DWORD style : {WS_OVERLAPPEDWINDOW, WS_POPUP}) {
        RECT rect = {0, 0, 640, 480};
        EXPECT_TRUE(AdjustWindowRectEx(&rect, style, FALSE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE));
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, 640);
        EXPECT_EQ(rect.bottom, 480);
    }
}

TEST_F(Windows, TheNativeWindowComesWithThePixelFormatTitledAndPlacedAsAsked) {
    HWND hWnd = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 50, 320, 200);
    ASSERT_NE(hWnd, nullptr);
    ShowWindow(hWnd, SW_SHOW);
    EXPECT_EQ(x->WaitForWindow("Test Window", 0.2), static_cast<::Window>(None)) << "no visual chosen yet";

    HDC hDC = GetDC(hWnd);
    PIXELFORMATDESCRIPTOR pfd = ProgramDescriptor();
    ASSERT_TRUE(SetPixelFormat(hDC, ChoosePixelFormat(hDC, &pfd), &pfd));
    ::Window window = x->WaitForWindow("Test Window", 5);
    ASSERT_NE(window, static_cast<::Window>(None));
    Area client = x->ClientArea(window);
    EXPECT_EQ(client.x, 100);
    EXPECT_EQ(client.y, 50);
    EXPECT_EQ(client.width, 320);
    EXPECT_EQ(client.height, 200);
}

TEST_F(Windows, ShowingSendsShowAndActivationOnceAndDefaultProcessingGivesTheFocus) {
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW);
    delivered.clear();
    EXPECT_FALSE(ShowWindow(hWnd, SW_SHOW)) << "it was hidden before";
    EXPECT_TRUE(ShowWindow(hWnd, SW_SHOW));
    EXPECT_TRUE(SetForegroundWindow(hWnd));
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[0].message, static_cast<UINT>(WM_SHOWWINDOW));
    EXPECT_EQ(delivered[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(delivered[1].message, static_cast<UINT>(WM_ACTIVATE));
    EXPECT_EQ(delivered[1].wParam, static_cast<WPARAM>(WA_ACTIVE));
    // Default processing of the activation gave it the focus.
    EXPECT_EQ(SetFocus(nullptr), hWnd);
    EXPECT_EQ(SetFocus(hWnd), nullptr);
}

TEST_F(Windows, DestroyingSendsWmDestroyRemovesTheWindowAndFailsASecondTime) {
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW);
    ShowWindow(hWnd, SW_SHOW);
    ::Window window = x->WaitForWindow("Test Window", 5);
    ASSERT_NE(window, static_cast<::Window>(None));
    HDC hDC = GetDC(hWnd);

    EXPECT_TRUE(DestroyWindow(hWnd));
    EXPECT_EQ(Received(WM_DESTROY).size(), 1u);
    EXPECT_FALSE(x->Exists(window));
    EXPECT_FALSE(DestroyWindow(hWnd));
    EXPECT_EQ(GetDC(hWnd), nullptr);
    EXPECT_EQ(ReleaseDC(hWnd, hDC), 0);
    EXPECT_FALSE(ShowWindow(hWnd, SW_SHOW));
}

TEST_F(Windows, AWindowKeepsOneDeviceContextThatOnlyItReleases) {
    HWND first = MakeWindow(WS_OVERLAPPEDWINDOW);
    HWND second = MakeWindow(WS_OVERLAPPEDWINDOW);
    HDC hDC = GetDC(first);
    ASSERT_NE(hDC, nullptr);
    EXPECT_EQ(GetDC(first), hDC);
    EXPECT_NE(GetDC(second), hDC);
    EXPECT_EQ(ReleaseDC(second, hDC), 0);
    EXPECT_EQ(ReleaseDC(first, hDC), 1);
    EXPECT_EQ(GetDC(nullptr), nullptr) << "no screen device context here";
}

TEST_F(Windows, TheScreenSaverStaysOffOnceThereIsAWindow) {
    // Windows' viewer refuses the screen saver's system command; here SDL
    // keeps the screen saver from starting at all.
    MakeGLWindow(WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
}

TEST_F(WindowClasses, TheStockIconAndArrowLoadAndNothingElseDoes) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    EXPECT_NE(instance, nullptr);
    EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr);
    EXPECT_NE(LoadIconA(nullptr, IDI_WINLOGO), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), nullptr) << "IDI_APPLICATION is not provided";
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(32513)), nullptr) << "IDC_IBEAM is not provided";
    EXPECT_EQ(LoadIconA(instance, IDI_WINLOGO), nullptr) << "the program has no icon resources";
}
