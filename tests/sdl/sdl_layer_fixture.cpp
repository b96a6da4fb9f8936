#include "tests/sdl/sdl_layer_fixture.h"

#include <cstdlib>

#include "shell/sdl/sdl_win32.h"
#include "tests/e2e/support/virtual_display.h"

namespace {

class OwnDisplay : public ::testing::Environment {
public:
    void SetUp() override {
        display.reset(new VirtualDisplay("1024x768x24"));
        ASSERT_TRUE(display->Started());
        setenv("DISPLAY", display->Name().c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
    }
    void TearDown() override { display.reset(); }

    std::unique_ptr<VirtualDisplay> display;
};

::testing::Environment* const ownDisplay = ::testing::AddGlobalTestEnvironment(new OwnDisplay);

}  // namespace

std::vector<Delivered> SdlLayerTest::delivered;
bool SdlLayerTest::closeQuits = false;
bool SdlLayerTest::refuseNcCreate = false;

namespace {

LRESULT CALLBACK RecordingProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    SdlLayerTest::delivered.push_back(Delivered{hWnd, uMsg, wParam, lParam});
    if (uMsg == WM_NCCREATE && SdlLayerTest::refuseNcCreate) return FALSE;
    if (uMsg == WM_CLOSE && SdlLayerTest::closeQuits) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

}  // namespace

void SdlLayerTest::SetUp() {
    delivered.clear();
    closeQuits = false;
    refuseNcCreate = false;
    x.reset(new XSession(std::getenv("DISPLAY")));
    ASSERT_TRUE(x->Connected());
    x->MovePointer(512, 384);
}

void SdlLayerTest::TearDown() {
    ShutdownSdlWin32();
    x.reset();
}

HWND SdlLayerTest::MakeWindow(DWORD style, int x, int y, int width, int height) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Test";
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    return CreateWindowExA(0, "Test", "Test Window", style, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND SdlLayerTest::MakeGLWindow(DWORD style, int x, int y, int width, int height) {
    HWND hWnd = MakeWindow(style, x, y, width, height);
    HDC hDC = GetDC(hWnd);
    PIXELFORMATDESCRIPTOR pfd = ProgramDescriptor();
    int format = ChoosePixelFormat(hDC, &pfd);
    EXPECT_TRUE(SetPixelFormat(hDC, format, &pfd));
    return hWnd;
}

HGLRC SdlLayerTest::MakeCurrentContext(HWND hWnd) {
    HGLRC hRC = wglCreateContext(GetDC(hWnd));
    EXPECT_TRUE(wglMakeCurrent(GetDC(hWnd), hRC));
    return hRC;
}

std::vector<Delivered> SdlLayerTest::Received(UINT message) const {
    std::vector<Delivered> found;
    for (const Delivered& d : delivered)
        if (d.message == message) found.push_back(d);
    return found;
}

PIXELFORMATDESCRIPTOR ProgramDescriptor() {
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 16;
    pfd.cDepthBits = 16;
    return pfd;
}
