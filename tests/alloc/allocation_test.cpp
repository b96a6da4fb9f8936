// The program's own code allocates nothing on the heap in a pass of its
// loop: a thousand passes on the scripted services, idle ones (keys held,
// the mouse moving, the window drawn or minimised) and ones that handle a
// message, counted from the program's side of every service call.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/heap_watch.h"
#include "tests/shell/shell_test.h"

namespace {

const int PASSES = 1000;

// The window's procedure as the scripted system calls it back: from inside
// the dispatch, whose own work is not counted, into the program, which is.
LRESULT CALLBACK CountedWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    heap_watch::Counted counted;
    return WndProc(window, message, wParam, lParam);
}

// Stored here, the blocks below are really made: the compiler may not
// leave out an allocation whose address is seen.
void* volatile seen;

TEST(HeapWatch, CountsMallocAndNewButNothingUncountedAndKnowsWhatIsHeld) {
    long long heldBefore = heap_watch::LiveBytes();
    heap_watch::StartCounting();
    void* block = seen = std::malloc(1000);
    int* number = new int(7);
    seen = number;
    {
        heap_watch::Uncounted uncounted;
        int* notCounted = new int(8);
        seen = notCounted;
        delete notCounted;
        heap_watch::Counted countedAgain;
        void* counted = seen = std::calloc(2, 16);
        std::free(counted);
    }
    EXPECT_GE(heap_watch::LiveBytes() - heldBefore, 1000 + 4);
    std::free(block);
    delete number;
    EXPECT_EQ(heap_watch::StopCounting(), 3);
    EXPECT_EQ(heap_watch::LiveBytes(), heldBefore);
}

TEST(Allocation, AThousandPassesOfTheProgramAllocateNothing) {
    StartAfresh();
    long allocations = -1;
    scripted.Answer(IDNO);
    scripted.Then([] {
        scripted.windows.at(hWnd).proc = CountedWndProc;
        heap_watch::StartCounting();
    });
    // Each step is one pass: a message handled, or an idle pass.
    for (int pass = 0; pass < PASSES; ++pass) {
        switch (pass % 100) {
        case 10: scripted.Press('W'); break;
        case 30: scripted.Press(VK_LEFT); break;
        case 40: scripted.Release('W'); break;
        case 50: scripted.Release(VK_LEFT); break;
        case 60: scripted.Press('E'); break;
        case 70: scripted.Release('E'); break;
        case 80: scripted.Input(WM_ACTIVATE, 0x10000, 0); break;  // minimised: no drawing
        case 81: scripted.Input(WM_SIZE, SIZE_MINIMIZED, 0); break;
        case 90: scripted.Input(WM_SIZE, SIZE_RESTORED, MAKELONG(640, 480)); break;
        case 91: scripted.Input(WM_ACTIVATE, WA_ACTIVE, 0); break;
        default:
            if (pass % 7 == 0) {
                POINT cursor = {static_cast<LONG>(300 + pass % 41), static_cast<LONG>(220 + pass % 37)};
                scripted.Then([cursor] { scripted.cursor = cursor; });
            }
            scripted.Idle(1);
        }
    }
    scripted.Then([&allocations] { allocations = heap_watch::StopCounting(); });
    scripted.Press(VK_ESCAPE);

    ASSERT_EQ(RunProgram(), 0);

    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(scripted.Calls({"SwapBuffers"}).size(), PASSES - 10u * PASSES / 100);
    EXPECT_EQ(scripted.AnswersLeft(), 0u);
}

}  // namespace
