// valgrind's memcheck over a short run of the real viewer under Xvfb: the
// question answered for a window, the start frame shown, Escape. No error
// may come from the project's own code; what the libraries under it do is
// left out by tessaline.supp, which says why for each. Kept short: the
// software rasteriser runs many times slower under memcheck.
#include <gtest/gtest.h>  // before Xlib, whose macros None and Bool it would trip on

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/virtual_display.h"
#include "tests/e2e/support/x_session.h"

namespace {

using Clock = std::chrono::steady_clock;

const int MEMCHECK_FOUND_ERRORS = 86;
const double SLOW = 180;  // seconds: start-up under memcheck takes a while

std::string Contents(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int WaitForExit(pid_t pid, double seconds) {
    auto deadline = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    int status;
    while (Clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

bool ShowsStartFrame(XSession& x, double seconds) {
    auto deadline = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    do {
        if (CheckStartFrame(x.Screenshot(), 0, 0).Matches()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    } while (Clock::now() < deadline);
    return false;
}

TEST(ViewerUnderMemcheck, AShortRunFindsNoErrorInTheProjectsCode) {
    VirtualDisplay display("1024x768x24");
    ASSERT_TRUE(display.Started());
    XSession x(display.Name());
    ASSERT_TRUE(x.Connected());
    x.MovePointer(320, 240);

    char directory[] = "/tmp/tessaline-memcheck-XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    const std::string log = std::string(directory) + "/memcheck.log";
    const std::string logOption = "--log-file=" + log;
    const std::string errorCode = "--error-exitcode=" + std::to_string(MEMCHECK_FOUND_ERRORS);
    const char* argv[] = {"valgrind",
                          "--tool=memcheck",
                          errorCode.c_str(),
                          "--leak-check=full",
                          "--errors-for-leak-kinds=definite",
                          "--show-leak-kinds=definite",
                          // Mesa unloads its driver at exit; its frames keep their names.
                          "--keep-debuginfo=yes",
                          // SDL's D-Bus autolaunch forks a child that is not the viewer.
                          "--child-silent-after-fork=yes",
                          "--suppressions=" TESSALINE_MEMCHECK_SUPPRESSIONS,
                          logOption.c_str(),
                          TESSALINE_VIEWER,
                          nullptr};
    const std::string displayVariable = "DISPLAY=" + display.Name();
    const char* environment[] = {displayVariable.c_str(), "-WAYLAND_DISPLAY", "-LD_PRELOAD", nullptr};
    pid_t viewer = Spawn(argv, environment, std::string(directory) + "/stderr");
    ASSERT_GT(viewer, 0);

    ::Window box = x.WaitForWindow("Start FullScreen?", SLOW);
    if (box != None) {
        x.Focus(box);
        x.PressKey("Escape");  // No: a window
    }
    ::Window window = box == None ? None : x.WaitForWindow("Tessaline - By Odrenko", SLOW);
    bool framed = window != None && ShowsStartFrame(x, SLOW);
    if (window != None) {
        x.Focus(window);
        x.PressKey("Escape");
    }
    int exitCode = WaitForExit(viewer, SLOW);
    if (exitCode < 0) Stop(viewer);
    std::string report = Contents(log);
    unlink(log.c_str());
    unlink((std::string(directory) + "/stderr").c_str());
    rmdir(directory);

    EXPECT_NE(box, None) << "no start-up question\n" << report;
    EXPECT_TRUE(framed) << "the start frame never showed";
    EXPECT_EQ(exitCode, 0) << report;
    EXPECT_NE(report.find("ERROR SUMMARY: 0 errors"), std::string::npos) << report;
}

}  // namespace
