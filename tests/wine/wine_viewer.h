// The Windows build, tessaline.exe, run under Wine on a test's display, in
// the Wine prefix made once for the whole run.
#ifndef TESSALINE_TESTS_WINE_WINE_VIEWER_H
#define TESSALINE_TESTS_WINE_WINE_VIEWER_H

#include <sys/types.h>

#include <string>

// What keeps the Windows build from running here, naming what to install or
// build; empty when nothing does.
std::string WhatIsMissing();

class WineViewer {
public:
    explicit WineViewer(const std::string& display);
    ~WineViewer();  // ends it and whatever else runs in the prefix
    WineViewer(const WineViewer&) = delete;
    WineViewer& operator=(const WineViewer&) = delete;

    bool Started() const { return pid_ > 0; }
    // The exit code, or -1 while it still runs after `seconds`.
    int WaitForExit(double seconds);

    // What the message box with this caption says, as the lines "text ..."
    // and "button ..." with line breaks written \n; empty when there is none.
    std::string ReadBox(const std::string& caption) const;

private:
    std::string display_;
    std::string errors_;
    pid_t pid_ = -1;
    int exitCode_ = -1;
};

#endif  // TESSALINE_TESTS_WINE_WINE_VIEWER_H
