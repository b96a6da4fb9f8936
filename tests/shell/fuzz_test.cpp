// Random messages, from a fixed seed and in a fixed number, straight into the
// window procedure and then through the whole program's message pump. Key
// codes of 256 and more, values past the low 32 bits and message numbers no
// window ever sees are all in the mix. Nothing may be written outside the
// held-key table (the sanitizer build watches every store), and `active` and
// the table must hold exactly what the messages so far say.
#include <cstdint>
#include <cstring>
#include <random>

#include "tests/shell/shell_test.h"

namespace {

const uint64_t SEED = 0x7E55A11E;
const int MESSAGES_TO_THE_PROCEDURE = 100000;
const int STEPS_THROUGH_THE_PUMP = 4000;
const LPARAM REPEAT = 0x40000000;  // bit 30: the key was already down

// Only the engine's raw output, whose sequence the standard fixes, so the
// same seed gives the same messages with any library.
class Messages {
public:
    explicit Messages(uint64_t seed) : engine(seed) {}
    uint64_t Any() { return engine(); }
    uint64_t Below(uint64_t bound) { return engine() % bound; }

    UINT Number() {
        static const UINT handled[] = {WM_ACTIVATE, WM_SIZE, WM_CLOSE, WM_KEYDOWN, WM_KEYUP, WM_SYSCOMMAND};
        switch (Below(4)) {
        case 0: return handled[Below(6)];
        case 1: return static_cast<UINT>(Below(0x400));  // the system's own range
        case 2: return static_cast<UINT>(Any());
        default: return Below(2) ? WM_KEYDOWN : WM_KEYUP;
        }
    }

    // One of the keys the program reads, F1 and Escape included.
    WPARAM Key() {
        static const WPARAM used[] = {'W', 'A', 'S', 'D', 'E', VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_F1, VK_ESCAPE};
        return used[Below(11)];
    }

    WPARAM WParam() {
        static const WPARAM commands[] = {SC_SCREENSAVE, SC_MONITORPOWER, SC_CLOSE, SC_MINIMIZE, SC_RESTORE};
        switch (Below(6)) {
        case 0: return Below(2) ? Below(256) : Key();
        case 1: return 256 + Below(0x10000 - 256);  // past the table
        case 2: return Any();
        case 3: return commands[Below(5)] | (Below(3) == 0 ? Below(16) : 0);
        case 4: return (Any() << 32) | Below(256);  // a key code with high bits above it
        default: return static_cast<WPARAM>(Below(4)) << 16 | Below(3);  // activation: minimised or not
        }
    }

    LPARAM LParam() {
        switch (Below(3)) {
        case 0: return (Below(2) ? REPEAT : 0) | static_cast<LPARAM>(Below(0x1000000));  // key flags
        case 1: return static_cast<LPARAM>(Any());
        default: return static_cast<LPARAM>(Below(0x10000) << 16 | Below(0x10000));  // a client size
        }
    }

private:
    std::mt19937_64 engine;
};

// The window procedure's rules for the flag and the table, kept apart from
// the program's, to compare against.
struct Model {
    bool active = true;
    bool keys[256] = {};
    int f1Switches = 0;

    void Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ACTIVATE) active = (wParam & 0xFFFF0000u) == 0;
        if (message == WM_KEYDOWN && wParam < 256 && !(lParam & REPEAT)) keys[wParam] = true;
        if (message == WM_KEYUP && wParam < 256) keys[wParam] = false;
    }
    void IdlePass() {
        if (!keys[VK_F1]) return;
        keys[VK_F1] = false;
        ++f1Switches;
    }
};

// A bool holds 0 or 1 in its byte; anything else is a stray write.
bool ValidByte(const bool& flag) {
    unsigned char byte;
    std::memcpy(&byte, &flag, 1);
    return byte <= 1;
}

void ExpectAsModelled(const Model& model) {
    ASSERT_TRUE(ValidByte(active));
    EXPECT_EQ(active, model.active);
    for (int entry = 0; entry < 256; ++entry) {
        ASSERT_TRUE(ValidByte(keys[entry])) << "entry " << entry;
        ASSERT_EQ(keys[entry], model.keys[entry]) << "entry " << entry;
    }
}

bool AsksToQuit(UINT message, WPARAM wParam) {
    return message == WM_QUIT || message == WM_CLOSE || (message == WM_KEYDOWN && wParam == VK_ESCAPE) ||
           (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

class FuzzedMessages : public ShellTest {};

TEST_F(FuzzedMessages, TheWindowProcedureKeepsItsFlagAndTableAndAnswersByItsTable) {
    HWND window = scripted.NewHandle<HWND>(ScriptedWin32::Kind::window);
    scripted.windows[window] = ScriptedWindow{"OpenGL", WndProc, 0, 0, RECT{0, 0, 656, 519}, 640, 480, true, nullptr, 0};
    scripted.defaultResult = 0x5EED;
    Messages messages(SEED);
    Model model;

    for (int i = 0; i < MESSAGES_TO_THE_PROCEDURE; ++i) {
        UINT message = messages.Number();
        WPARAM wParam = messages.WParam();
        LPARAM lParam = messages.LParam();
        SCOPED_TRACE("message " + std::to_string(i));
        scripted.log.clear();

        LRESULT result = WndProc(window, message, wParam, lParam);

        model.Deliver(message, wParam, lParam);
        ExpectAsModelled(model);
        bool answeredItself = message == WM_ACTIVATE || message == WM_CLOSE || message == WM_KEYUP ||
                              message == WM_SIZE ||
                              (message == WM_SYSCOMMAND && (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER));
        ASSERT_EQ(result, answeredItself ? 0 : 0x5EED) << std::hex << message << ", " << wParam;
        if (HasFatalFailure()) return;
    }
}

TEST_F(FuzzedMessages, ThePumpSurvivesThemAndTheProgramStillQuitsWithZero) {
    // Anything that would end the program early is left out until the
    // Escape at the end; F1 stays in, so windows come and go on the way.
    Messages messages(SEED + 1);
    Model model;
    scripted.Answer(IDNO);
    for (int step = 0; step < STEPS_THROUGH_THE_PUMP; ++step) {
        if (messages.Below(8) == 0) {
            POINT cursor = {static_cast<LONG>(messages.Below(640)), static_cast<LONG>(messages.Below(480))};
            scripted.Then([cursor] { scripted.cursor = cursor; });
            scripted.Idle(1);
            model.IdlePass();
            continue;
        }
        UINT message = messages.Number();
        WPARAM wParam = messages.WParam();
        LPARAM lParam = messages.LParam();
        if (AsksToQuit(message, wParam)) continue;
        scripted.Input(message, wParam, lParam);
        model.Deliver(message, wParam, lParam);
    }
    scripted.Press(VK_ESCAPE);
    model.Deliver(WM_KEYDOWN, VK_ESCAPE, 1);

    EXPECT_EQ(RunProgram(), 0);

    ExpectAsModelled(model);
    EXPECT_GT(model.f1Switches, 0) << "the seed should switch windows at least once";
    EXPECT_EQ(scripted.Calls({"CreateWindowExA"}).size(), 1u + model.f1Switches);
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), std::vector<std::string>{QUESTION});
    ExpectNothingHeld();
}

}  // namespace
