#include "tests/wine/wine_viewer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "tests/e2e/support/virtual_display.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Prefix() {
    std::ifstream record(TESSALINE_WINE_PREFIX_RECORD);
    std::string prefix;
    std::getline(record, prefix);
    return prefix;
}

bool IsFile(const char* path) { return access(path, R_OK) == 0; }

bool OnPath(const char* tool) {
    std::string command = std::string("command -v ") + tool + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// The environment every Wine process of the tests gets.
struct WineEnvironment {
    explicit WineEnvironment(const std::string& display)
        : prefix("WINEPREFIX=" + Prefix()), display("DISPLAY=" + display) {}
    std::string prefix, display;
    const char* list[6] = {prefix.c_str(), display.c_str(), "WINEDLLOVERRIDES=mscoree,mshtml=", "WINEDEBUG=-all",
                           "-WAYLAND_DISPLAY", nullptr};
};

}  // namespace

std::string WhatIsMissing() {
    if (!OnPath("wine") || !OnPath("wineserver"))
        return "Wine is missing: install the Debian packages wine and wine64 (scripts/install-deps does)";
    if (!IsFile(TESSALINE_WINDOWS_VIEWER) || !IsFile(TESSALINE_BOX_READER))
        return std::string("the Windows build is missing (") + TESSALINE_WINDOWS_VIEWER +
               "): run `make windows`, which needs the Debian packages mingw-w64 and g++-mingw-w64-x86-64-posix";
    if (Prefix().empty()) return "no Wine prefix: the wine_prefix fixture did not run or failed";
    return "";
}

WineViewer::WineViewer(const std::string& display) : display_(display) {
    char pattern[] = "/tmp/tessaline-wine-stderr-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd < 0) return;
    close(fd);
    errors_ = pattern;
    WineEnvironment environment(display);
    const char* argv[] = {"wine", TESSALINE_WINDOWS_VIEWER, nullptr};
    pid_ = Spawn(argv, environment.list, errors_);
}

WineViewer::~WineViewer() {
    if (pid_ > 0 && exitCode_ < 0) Stop(pid_);
    // Nothing of this test may linger into the next one's display.
    std::string kill = "WINEPREFIX='" + Prefix() + "' wineserver -k 2>/dev/null; WINEPREFIX='" + Prefix() +
                       "' wineserver -w 2>/dev/null";
    if (std::system(kill.c_str()) != 0) std::fprintf(stderr, "wineserver -k failed\n");
    if (!errors_.empty()) unlink(errors_.c_str());
}

int WineViewer::WaitForExit(double seconds) {
    auto deadline = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (exitCode_ < 0 && Clock::now() < deadline) {
        int status;
        if (waitpid(pid_, &status, WNOHANG) == pid_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return exitCode_;
}

std::string WineViewer::ReadBox(const std::string& caption) const {
    std::string command = "DISPLAY='" + display_ + "' WINEPREFIX='" + Prefix() +
                          "' WINEDEBUG=-all wine '" TESSALINE_BOX_READER "' '" + caption + "' 2>/dev/null";
    FILE* reader = popen(command.c_str(), "r");
    if (!reader) return "";
    std::string lines;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, reader)) lines += buffer;
    pclose(reader);
    // Wine's console may end lines with \r\n.
    std::string clean;
    for (char c : lines)
        if (c != '\r') clean += c;
    return clean;
}
