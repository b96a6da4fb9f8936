// One row of the window creation's failure table, checked twice: on
// CreateGLWindow asked for full screen (the box, what was acquired and given
// back and in which order, the result, nothing left held, the desktop's mode
// and the cursor back), then on the whole program started windowed (the
// boxes and the exit code).
#ifndef TESSALINE_TESTS_SHELL_CREATION_FAILURE_H
#define TESSALINE_TESTS_SHELL_CREATION_FAILURE_H

#include <string>
#include <vector>

struct CreationFailure {
    std::string step;
    std::string service;  // the call made to fail; empty when the step fails by itself
    int nth;
    std::string text;                   // the "ERROR" box's text
    std::vector<std::string> teardown;  // Teardown() of the full-screen call
};

void ExpectCreationFailure(const CreationFailure& row);

// Lines that the full-screen rows share.
extern const std::string MODE_CHANGE;   // to 640 x 480 x 16
extern const std::string MODE_RESTORE;  // back to the desktop's
extern const std::string CLASS_REMOVAL;

#endif  // TESSALINE_TESTS_SHELL_CREATION_FAILURE_H
