// The real viewer, build/tessaline, run by a test on the test's display
// with the call counter preloaded.
#ifndef TESSALINE_TESTS_E2E_SUPPORT_VIEWER_H
#define TESSALINE_TESTS_E2E_SUPPORT_VIEWER_H

#include <sys/types.h>

#include <functional>
#include <string>

#include "tests/e2e/support/call_counts.h"

class Viewer {
public:
    // An empty display name starts it with no display at all.
    explicit Viewer(const std::string& display);
    ~Viewer();  // ends it if it is still running
    Viewer(const Viewer&) = delete;
    Viewer& operator=(const Viewer&) = delete;

    bool Started() const { return pid_ > 0; }
    // The exit code, or -1 while it still runs after `seconds`; a death by
    // a signal is 128 + the signal, as a shell reports it.
    int WaitForExit(double seconds);
    bool Running();
    std::string Errors() const;  // what it wrote to standard error

    CallCounts Counts() const;
    bool WaitUntil(const std::function<bool(const CallCounts&)>& done, double seconds) const;
    // Waits until `more` further frames are drawn, or idle passes run.
    bool WaitForFrames(int more, double seconds) const;
    bool WaitForPasses(int more, double seconds) const;

private:
    std::string directory_;
    pid_t pid_ = -1;
    int exitCode_ = -1;
    const volatile CallCounts* counts_ = nullptr;
};

#endif  // TESSALINE_TESTS_E2E_SUPPORT_VIEWER_H
