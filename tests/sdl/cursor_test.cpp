// The cursor: real pointer positions in screen coordinates, and Windows'
// display counter.
#include "tests/sdl/sdl_layer_fixture.h"

using CursorService = SdlLayerTest;

TEST_F(CursorService, EveryReadSeesWherePointerMotionPutThePointerInScreenCoordinates) {
    // A window away from the screen's corner: its position must not count.
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW, 200, 100);
    MakeCurrentContext(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    ASSERT_NE(x->WaitForWindow("Test Window", 5), static_cast<::Window>(None));

    const POINT places[] = {{320, 240}, {321, 240}, {500, 300}, {10, 700}, {1023, 0}, {320, 240}};
    for (const POINT& place : places) {
        x->MovePointer(place.x, place.y);
        POINT read = {-1, -1};
        EXPECT_TRUE(GetCursorPos(&read));
        EXPECT_EQ(read.x, place.x);
        EXPECT_EQ(read.y, place.y);
    }
}

TEST_F(CursorService, SettingItMovesTheRealPointerInScreenCoordinates) {
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW, 200, 100);
    ShowWindow(hWnd, SW_SHOW);
    EXPECT_TRUE(SetCursorPos(320, 240));
    int pointerX, pointerY;
    x->Pointer(&pointerX, &pointerY);
    EXPECT_EQ(pointerX, 320);
    EXPECT_EQ(pointerY, 240);
}

TEST_F(CursorService, ShowCursorKeepsADisplayCounterAndHidesWhileItIsNegative) {
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW);
    ShowWindow(hWnd, SW_SHOW);
    struct Step {
        BOOL show;
        int count;
    };
    const Step steps[] = {{FALSE, -1}, {FALSE, -2}, {TRUE, -1}, {TRUE, 0}, {TRUE, 1}, {FALSE, 0}};
    for (const Step& step : steps) {
        EXPECT_EQ(ShowCursor(step.show), step.count);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), step.count < 0 ? SDL_DISABLE : SDL_ENABLE) << step.count;
    }
}

TEST_F(CursorService, AHiddenCursorStaysHiddenOverWindowsMadeLater) {
    // The program hides the cursor before it makes its window.
    EXPECT_EQ(ShowCursor(FALSE), -1);
    HWND hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW);
    ShowWindow(hWnd, SW_SHOW);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
}
