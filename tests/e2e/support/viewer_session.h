// One viewer on a display of its own, driven as a user would: answering its
// questions with the keyboard, then looking at what it shows.
#ifndef TESSALINE_TESTS_E2E_SUPPORT_VIEWER_SESSION_H
#define TESSALINE_TESTS_E2E_SUPPORT_VIEWER_SESSION_H

#include <memory>
#include <string>

#include "tests/e2e/support/viewer.h"
#include "tests/e2e/support/virtual_display.h"
#include "tests/e2e/support/x_session.h"

extern const char* const kViewerTitle;  // "Tessaline - By Odrenko"
extern const char* const kStartQuestion;  // the start-up box's caption

struct ViewerSession {
    // A display with this screen; the pointer is put on the point the viewer
    // pins it to before the viewer starts, so its first pass turns nothing.
    explicit ViewerSession(const std::string& screen, bool windowManager = false);

    bool Ready() const;  // the display, the connection and the viewer are up
    void StartViewer();

    // Finds the box with this caption, gives it the focus and presses a key
    // ("Return" answers the default button, "Escape" No); false when no such
    // box appears.
    bool Answer(const std::string& caption, const char* keyName);
    // The viewer's window once it is showing frames; None if it never does.
    ::Window WaitForViewerWindow();
    // Starts the viewer and answers its start-up question with a key; the
    // viewer's window once it shows frames, None if any step failed.
    ::Window StartAnswering(const char* keyName);
    std::string Errors() const;  // what the viewer wrote to standard error
    // A screenshot taken once a few more frames than now have been drawn,
    // kept as shots/<name>.ppm beside the tests for a look afterwards.
    Image SettledScreenshot(const std::string& name);

    VirtualDisplay display;
    XSession x;
    std::unique_ptr<Viewer> viewer;
};

#endif  // TESSALINE_TESTS_E2E_SUPPORT_VIEWER_SESSION_H
