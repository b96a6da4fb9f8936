// The message queue: SDL's events as Win32 messages.
#include <chrono>
#include <functional>
#include <thread>

#include "tests/sdl/sdl_layer_fixture.h"

namespace {

class Messages : public SdlLayerTest {
protected:
    void SetUp() override {
        SdlLayerTest::SetUp();
        hWnd = MakeGLWindow(WS_OVERLAPPEDWINDOW);
        MakeCurrentContext(hWnd);
        ShowWindow(hWnd, SW_SHOW);
        windowID = SDL_GetWindowID(CurrentNative());
        DrainQueue();
        delivered.clear();
    }

    // Takes whatever the window system has sent so far out of the way.
    void DrainQueue() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    void PushKey(Uint32 type, SDL_Keycode key, bool repeat = false) {
        SDL_Event event = {};
        event.type = type;
        event.key.windowID = windowID;
        event.key.repeat = repeat;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }

    void PushWindowEvent(Uint8 what, int data1 = 0, int data2 = 0) {
        SDL_Event event = {};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = windowID;
        event.window.event = what;
        event.window.data1 = data1;
        event.window.data2 = data2;
        SDL_PushEvent(&event);
    }

    HWND hWnd = nullptr;
    Uint32 windowID = 0;
};

bool Held(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }

// Removes messages as the main loop does until one satisfies `done` (which
// sees every message removed, or an empty MSG when none waits); false after
// five seconds.
bool PeekUntil(const std::function<bool(const MSG&)>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        MSG msg = {};
        bool removed = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        if (done(msg)) return true;
        if (!removed) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace

TEST_F(Messages, KeysArePostedWithWindowsVirtualKeyCodes) {
    struct Case {
        SDL_Keycode key;
        WPARAM virtualKey;
    };
    const Case cases[] = {
        {SDLK_a, 0x41},      {SDLK_w, 0x57},      {SDLK_z, 0x5A},     {SDLK_0, 0x30},      {SDLK_9, 0x39},
        {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},     {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28},   {SDLK_ESCAPE, 0x1B},
        {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_SPACE, 0x20}, {SDLK_F1, 0x70},   {SDLK_F12, 0x7B},
        {SDLK_LSHIFT, 0x10}, {SDLK_RSHIFT, 0x10}, {SDLK_LCTRL, 0x11}, {SDLK_RCTRL, 0x11},  {SDLK_LALT, 0x12},
        {SDLK_RALT, 0x12},
    };
    for (const Case& c : cases) {
        PushKey(SDL_KEYDOWN, c.key);
        MSG msg = {};
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << SDL_GetKeyName(c.key);
        EXPECT_EQ(msg.hwnd, hWnd);
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_EQ(msg.wParam, c.virtualKey) << SDL_GetKeyName(c.key);
        DrainQueue();
    }

    // A key the program has no code for posts nothing.
    PushKey(SDL_KEYDOWN, SDLK_KP_PLUS);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Messages, KeyMessagesCarryTheRepeatAndReleaseBits) {
    PushKey(SDL_KEYDOWN, SDLK_w);
    PushKey(SDL_KEYDOWN, SDLK_w, true);
    PushKey(SDL_KEYUP, SDLK_w);
    const LPARAM expected[] = {0x00000001, 0x40000001, 0xC0000001};
    for (LPARAM lParam : expected) {
        MSG msg = {};
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.lParam, lParam);
    }
}

TEST_F(Messages, TheKeyStateFollowsTheKeyMessagesRemovedSoFar) {
    MSG msg;
    PushKey(SDL_KEYDOWN, SDLK_w);
    SDL_PumpEvents();
    EXPECT_FALSE(Held('W'));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_FALSE(Held('W')) << "looked at, not removed";
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(Held('W'));
    EXPECT_FALSE(Held('S'));

    PushKey(SDL_KEYUP, SDLK_w);
    EXPECT_TRUE(Held('W'));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(Held('W'));
}

TEST_F(Messages, TheQuitMessageComesAfterThoseAlreadyWaitingWithItsExitCode) {
    PushKey(SDL_KEYDOWN, SDLK_e);
    PostQuitMessage(3);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Messages, ACloseRequestIsSentAsScCloseWhichDefaultProcessingTurnsIntoWmClose) {
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "sent, not posted";
    ASSERT_EQ(Received(WM_SYSCOMMAND).size(), 1u);
    EXPECT_EQ(Received(WM_SYSCOMMAND)[0].wParam, static_cast<WPARAM>(SC_CLOSE));
    EXPECT_EQ(Received(WM_CLOSE).size(), 1u);
    // Left to default processing, WM_CLOSE destroys the window.
    EXPECT_EQ(Received(WM_DESTROY).size(), 1u);
    EXPECT_EQ(GetDC(hWnd), nullptr);
}

TEST_F(Messages, AProcedureThatQuitsOnWmCloseKeepsItsWindowAndGetsTheQuit) {
    closeQuits = true;
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_NE(GetDC(hWnd), nullptr);
}

TEST_F(Messages, MinimisingAndRestoringAreSentAsActivationAndSizeChanges) {
    MSG msg;
    PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[0].message, static_cast<UINT>(WM_ACTIVATE));
    EXPECT_EQ(delivered[0].wParam, 0x00010000u) << "inactive, minimised flag in the high word";
    EXPECT_EQ(delivered[1].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(delivered[1].wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    EXPECT_EQ(delivered[1].lParam, 0);

    delivered.clear();
    PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[0].message, static_cast<UINT>(WM_ACTIVATE));
    EXPECT_EQ(delivered[0].wParam, static_cast<WPARAM>(WA_ACTIVE));
    EXPECT_EQ(delivered[1].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(delivered[1].lParam, 0x01E00280) << "the client size is back";

    // Focus alone changes activation, once per change.
    delivered.clear();
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600);
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_EQ(delivered[0].wParam, static_cast<WPARAM>(WA_INACTIVE));
    EXPECT_EQ(delivered[1].wParam, static_cast<WPARAM>(WA_ACTIVE));
    EXPECT_EQ(delivered[2].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(delivered[2].lParam, 0x02580320);  // 600 high, 800 low
}

TEST_F(Messages, ARealKeyPressReachesTheKeyState) {
    ::Window window = x->WaitForWindow("Test Window", 5);
    ASSERT_NE(window, static_cast<::Window>(None));
    x->Focus(window);
    x->PressKey("e", 0);

    // The press is posted, then removed; the release likewise.
    std::vector<UINT> seen;
    PeekUntil([&seen](const MSG& msg) {
        if (msg.wParam != 'E') return false;
        seen.push_back(msg.message);
        if (msg.message == WM_KEYDOWN) {
            EXPECT_TRUE(Held('E'));
        }
        return msg.message == WM_KEYUP;
    });
    EXPECT_EQ(seen, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
    EXPECT_FALSE(Held('E'));
}

TEST_F(Messages, AKeyLetGoWhileNoWindowHasTheFocusIsReleasedAllTheSame) {
    // As when the viewer rebuilds its window while F1 is held.
    ::Window window = x->WaitForWindow("Test Window", 5);
    ASSERT_NE(window, static_cast<::Window>(None));
    x->Focus(window);
    x->SetKey("F1", true);
    ASSERT_TRUE(PeekUntil([](const MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_F1; }));
    ASSERT_TRUE(Held(VK_F1));

    DestroyWindow(hWnd);
    x->SetKey("F1", false);
    HWND next = MakeGLWindow(WS_OVERLAPPEDWINDOW);
    MakeCurrentContext(next);
    ShowWindow(next, SW_SHOW);
    EXPECT_TRUE(PeekUntil([](const MSG&) { return !Held(VK_F1); }));

    // The next press is a first press, not an auto-repeat.
    x->Focus(x->WaitForWindow("Test Window", 5));
    x->PressKey("F1");
    MSG press = {};
    ASSERT_TRUE(PeekUntil([&press](const MSG& msg) {
        press = msg;
        return msg.message == WM_KEYDOWN && msg.wParam == VK_F1;
    }));
    EXPECT_EQ(press.lParam & 0x40000000, 0);
}
