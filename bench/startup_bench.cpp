// Start-up as the user sees it: the real viewer on an Xvfb display of its
// own, from the answer to the start-up question (Escape, No: a window) to
// the first frame on the screen, several runs, the median. The frame is
// seen when a pixel of the sphere turns magenta; the sphere is checked
// once the view settles.
//
// Usage: startup_bench <viewer>. Prints rows "label|value|unit" for
// scripts/run-benchmarks.
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/viewer.h"
#include "tests/render/frames.h"

namespace {

using Clock = std::chrono::steady_clock;

const int RUNS = 7;

// A pixel of the sphere in the start view, well inside it (screen
// coordinates: the window sits at the screen's corner).
bool IsMagenta(Display* display) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), 320, 280, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel == 0xFF00FF;
}

// Milliseconds from the answer to the first frame, or a negative value
// when a step did not happen.
double OneRun(const char* program, bool* sphereShown) {
    Viewer viewer(Start::Linux, "1024x768x24", program);
    if (viewer.WaitForWindow("Start FullScreen?").empty() || IsMagenta(viewer.x)) return -1;
    if (!viewer.Answer("Start FullScreen?", false)) return -1;
    const Clock::time_point answered = Clock::now();
    double milliseconds = -1;
    while (milliseconds < 0 && Clock::now() - answered < std::chrono::seconds(10))
        if (IsMagenta(viewer.x)) milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - answered).count();
    const std::string window = viewer.WaitForWindow();
    if (window.empty()) return -1;
    const std::vector<Probe> sphere = {{300, 260, 40, 40, {255, 0, 255}, "the sphere"}};
    *sphereShown = *sphereShown && FailedProbes(sphere, viewer.Shot(window), 2).empty();
    viewer.Xdotool("key Escape");
    return viewer.Exit(2) == 0 ? milliseconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_bench <viewer>\n");
        return 2;
    }
    std::vector<double> runs;
    bool sphereShown = true;
    for (int run = 0; run < RUNS; ++run) {
        double milliseconds = OneRun(argv[1], &sphereShown);
        if (milliseconds < 0) {
            std::fprintf(stderr, "startup_bench: run %d: no question, no frame or no exit\n", run + 1);
            return 1;
        }
        runs.push_back(milliseconds);
    }
    if (!sphereShown) {
        std::fprintf(stderr, "startup_bench: a run did not show the sphere where the start view has it\n");
        return 1;
    }
    std::sort(runs.begin(), runs.end());
    std::printf("start-up: answer to first frame (median of %d)|%.1f|ms\n", RUNS, runs[RUNS / 2]);
    std::printf("start-up: fastest and slowest run|%.1f to %.1f|ms\n", runs.front(), runs.back());
    return 0;
}
