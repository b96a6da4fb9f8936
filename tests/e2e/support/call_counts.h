// Counts of the viewer's calls that show what no screenshot can: frames
// drawn while the window is iconified, windows and contexts made and
// released, the swap interval asked for (Xvfb cannot honour one). call_counter.cpp, preloaded into the viewer, keeps them in a
// file the test maps.
#ifndef TESSALINE_TESTS_E2E_SUPPORT_CALL_COUNTS_H
#define TESSALINE_TESTS_E2E_SUPPORT_CALL_COUNTS_H

#include <cstdint>

struct CallCounts {
    int64_t frames;  // glClear: the first call of every frame drawn
    int64_t swaps;   // SDL_GL_SwapWindow: one per idle pass of the main loop
    int64_t windowsMade;
    int64_t windowsDestroyed;
    int64_t contextsMade;
    int64_t contextsDeleted;
    int64_t swapInterval;  // the last one asked of SDL_GL_SetSwapInterval
};

// Where the preloaded counter keeps its counts.
#define TESSALINE_CALL_COUNTS_FILE "TESSALINE_CALL_COUNTS"

#endif  // TESSALINE_TESTS_E2E_SUPPORT_CALL_COUNTS_H
