// Start-up as the user sees it: the real viewer on an Xvfb display of its
// own, from the answer to the start-up question (Escape, No: a window) to
// the first frame on the screen, several runs, the median. The frame is
// seen when a pixel of the sphere turns magenta; the whole start view is
// checked once it settles.
//
// Usage: startup_bench <viewer>. Prints rows "label|value|unit" for
// scripts/run-benchmarks.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/virtual_display.h"
#include "tests/e2e/support/x_session.h"
#include "tests/scene/model_frame.h"

namespace {

using Clock = std::chrono::steady_clock;

const int RUNS = 7;
const double PATIENCE = 10;  // seconds for any one step

// A screen point where the start view shows the sphere, from the scene
// model: the known magenta pixel nearest the middle of all of them.
bool SpherePoint(int* x, int* y) {
    ModelFrame start(Pose{{0, 2.5, 5}, {0, 2.5, 0}, {0, 1, 0}}, 640, 480);
    std::vector<std::pair<int, int>> magenta;
    double meanX = 0, meanY = 0;
    for (int row = 0; row < 480; row += 4) {
        for (int column = 0; column < 640; column += 4) {
            Seen seen = start.Expected(column, row);
            if (!seen.known || !(seen.colour == colour::kMagenta)) continue;
            magenta.push_back({column, row});
            meanX += column;
            meanY += row;
        }
    }
    if (magenta.empty()) return false;
    meanX /= magenta.size();
    meanY /= magenta.size();
    auto nearest = std::min_element(magenta.begin(), magenta.end(), [&](const auto& a, const auto& b) {
        return (a.first - meanX) * (a.first - meanX) + (a.second - meanY) * (a.second - meanY) <
               (b.first - meanX) * (b.first - meanX) + (b.second - meanY) * (b.second - meanY);
    });
    *x = nearest->first;
    *y = 479 - nearest->second;  // window coordinates count from the bottom
    return true;
}

bool IsMagenta(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel == 0xFF00FF;
}

// Milliseconds from the answer to the first frame, or a negative value
// when a step did not happen.
double OneRun(const char* viewer, const std::string& displayName, int x, int y, bool* startViewShown) {
    XSession session(displayName);
    session.MovePointer(320, 240);  // where the viewer pins it: its first pass turns nothing
    const std::string displayVariable = "DISPLAY=" + displayName;
    const char* argv[] = {viewer, nullptr};
    const char* environment[] = {displayVariable.c_str(), "-WAYLAND_DISPLAY", "-LD_PRELOAD", nullptr};
    pid_t pid = Spawn(argv, environment, "/dev/null");

    double milliseconds = -1;
    ::Window box = session.WaitForWindow("Start FullScreen?", PATIENCE);
    if (box != None && !IsMagenta(session.display(), x, y)) {
        session.Focus(box);
        session.SetKey("Escape", true);
        session.SetKey("Escape", false);
        Clock::time_point answered = Clock::now();
        Clock::time_point deadline = answered + std::chrono::seconds(static_cast<int>(PATIENCE));
        while (Clock::now() < deadline) {
            if (IsMagenta(session.display(), x, y)) {
                milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - answered).count();
                break;
            }
        }
    }
    ::Window window = session.WaitForWindow("Tessaline - By Odrenko", PATIENCE);
    if (window != None) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        *startViewShown = *startViewShown && CheckStartFrame(session.Screenshot(), 0, 0).Matches();
        session.Focus(window);
        session.PressKey("Escape");
    }
    for (int i = 0; i < 200; ++i) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) return milliseconds;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Stop(pid);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_bench <viewer>\n");
        return 2;
    }
    int x, y;
    if (!SpherePoint(&x, &y)) {
        std::fprintf(stderr, "startup_bench: the scene model shows no sphere in the start view\n");
        return 1;
    }
    VirtualDisplay display("1024x768x24");
    if (!display.Started()) {
        std::fprintf(stderr, "startup_bench: Xvfb did not start\n");
        return 1;
    }

    std::vector<double> runs;
    bool startViewShown = true;
    for (int run = 0; run < RUNS; ++run) {
        double milliseconds = OneRun(argv[1], display.Name(), x, y, &startViewShown);
        if (milliseconds < 0) {
            std::fprintf(stderr, "startup_bench: run %d: no question, no frame or no exit\n", run + 1);
            return 1;
        }
        runs.push_back(milliseconds);
    }
    if (!startViewShown) {
        std::fprintf(stderr, "startup_bench: a run did not show the start view\n");
        return 1;
    }
    std::sort(runs.begin(), runs.end());
    std::printf("start-up: answer to first frame (median of %d)|%.1f|ms\n", RUNS, runs[RUNS / 2]);
    std::printf("start-up: fastest and slowest run|%.1f to %.1f|ms\n", runs.front(), runs.back());
    return 0;
}
