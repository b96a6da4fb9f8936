// The display taken away from the real viewer at a series of moments: its
// X server, or its Wayland compositor, killed while the start-up question
// is shown, at delays after the answer (through the making of the window and
// its GL context, then while it runs), during the rebuild F1 makes, and
// while the window is iconified. Every run must end with exit code 1 and a
// line on standard error, never by a signal.
//
// On Wayland the viewer runs with no X server, as where the compositor's
// XWayland goes with it: the question then goes to standard error and is
// answered at once, and the delays count from there.
//
// Usage: display_loss_sweep <viewer>. One line per run, then the total;
// the exit status is 1 when any run ended otherwise.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/viewer.h"

namespace {

const char* const kQuestion = "Start FullScreen?";

enum class Moment { Question, Answer, F1, Iconified };

struct Sweep {
    const char* what;
    Start start;
    Moment after;
    std::vector<int> delays;  // milliseconds after that moment
};

std::vector<int> Steps(int first, int last, int step) {
    std::vector<int> delays;
    for (int delay = first; delay <= last; delay += step) delays.push_back(delay);
    return delays;
}

// Brings the viewer to the moment; false when it does not get there.
bool Reach(Viewer& viewer, Moment moment) {
    if (viewer.start == Start::Wayland) {
        for (int i = 0; i < 1000 && viewer.Errors().find(kQuestion) == std::string::npos; ++i) usleep(10000);
        const std::string window = moment == Moment::F1 ? viewer.WaitForWindow() : "";
        if (moment == Moment::F1 && !window.empty()) viewer.Xdotool("mousemove 320 240 click 1 key F1");
        return viewer.Errors().find(kQuestion) != std::string::npos && (moment != Moment::F1 || !window.empty());
    }
    if (moment == Moment::Question) return !viewer.WaitForWindow(kQuestion).empty();
    if (!viewer.Answer(kQuestion, false)) return false;
    if (moment == Moment::Answer) return true;
    const std::string window = viewer.WaitForWindow();
    if (window.empty()) return false;
    if (moment == Moment::F1) {
        viewer.Xdotool("key F1");
        return true;
    }
    viewer.StartWindowManager(window);
    viewer.Xdotool("windowminimize " + window);
    return viewer.WaitForWmState(window, "Iconic");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: display_loss_sweep <viewer>\n");
        return 2;
    }
    const std::string withoutX = std::string("env -u DISPLAY ") + argv[1];
    const Sweep sweeps[] = {
        {"X11, the question shown", Start::Linux, Moment::Question, {0, 50, 200}},
        {"X11, after the answer", Start::Linux, Moment::Answer, Steps(0, 78, 2)},
        {"X11, after the answer, running", Start::Linux, Moment::Answer, {100, 150, 200, 300, 500, 1000}},
        {"X11, after F1", Start::Linux, Moment::F1, Steps(0, 40, 5)},
        {"X11, iconified", Start::Linux, Moment::Iconified, {0, 100, 300}},
        {"Wayland, after the answer", Start::Wayland, Moment::Answer, Steps(0, 76, 4)},
        {"Wayland, after the answer, running", Start::Wayland, Moment::Answer, {100, 200, 500, 1000}},
        {"Wayland, after F1", Start::Wayland, Moment::F1, Steps(0, 40, 10)},
    };
    int runs = 0, failed = 0;
    for (const Sweep& sweep : sweeps)
        for (int delay : sweep.delays) {
            // X11 on a screen with 640 x 480, so that F1 makes a full-screen window.
            Viewer viewer(sweep.start, sweep.start == Start::Wayland ? "640x480" : "640x480x16",
                          sweep.start == Start::Wayland ? withoutX.c_str() : argv[1]);
            if (!Reach(viewer, sweep.after)) {
                std::printf("%s, %d ms: the moment never came\n%s", sweep.what, delay, viewer.Errors().c_str());
                ++runs, ++failed;
                continue;
            }
            usleep(delay * 1000);
            viewer.KillDisplay();
            const int code = viewer.Exit(10);
            std::string errors = viewer.Errors(), last;
            if (!errors.empty() && errors.back() == '\n') errors.pop_back();
            last = errors.substr(errors.rfind('\n') + 1);
            const bool ended = code == 1 && !last.empty();
            std::printf("%s, %d ms: exit code %d: %s\n", sweep.what, delay, code, last.c_str());
            std::fflush(stdout);
            ++runs, failed += !ended;
        }
    std::printf("%d of %d runs ended with exit code 1 and a line on standard error\n", runs - failed, runs);
    return failed ? 1 : 0;
}
