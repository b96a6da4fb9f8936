// A virtual X server (Xvfb) of a test's own, and optionally a window
// manager on it. `-displayfd` lets the server pick a free display, so tests
// run side by side; `-noreset` keeps the pointer where a test put it when a
// client disconnects (otherwise it jumps to the screen's centre).
#ifndef TESSALINE_TESTS_E2E_SUPPORT_VIRTUAL_DISPLAY_H
#define TESSALINE_TESTS_E2E_SUPPORT_VIRTUAL_DISPLAY_H

#include <sys/types.h>

#include <string>

class VirtualDisplay {
public:
    // screen: width x height x depth, as Xvfb takes it ("1024x768x24").
    explicit VirtualDisplay(const std::string& screen);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool Started() const { return !name_.empty(); }
    const std::string& Name() const { return name_; }  // ":N"

    // Starts openbox on the display and waits until it manages windows.
    bool StartWindowManager();

private:
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    std::string name_;
    std::string configFile_;
};

// Starts a program with the environment given as NAME=value additions and
// NAME removals ("-NAME"); its standard error goes to errorFile. -1 when it
// cannot be started.
pid_t Spawn(const char* const* argv, const char* const* environment, const std::string& errorFile);

// Ends a process the test started and reaps it.
void Stop(pid_t pid);

#endif  // TESSALINE_TESTS_E2E_SUPPORT_VIRTUAL_DISPLAY_H
