// What the shell's tests share: a fresh process's state, the boxes as the
// scripted Win32 records them, and the checks that every run ends with.
#ifndef TESSALINE_TESTS_SHELL_SHELL_TEST_H
#define TESSALINE_TESTS_SHELL_SHELL_TEST_H

#include <string>

#include "tests/support/scripted_win32.h"

extern const std::string QUESTION, REFUSED, CLOSING;
std::string Error(const std::string& text);     // a creation failure's box
std::string Shutdown(const std::string& text);  // a teardown failure's box

// The globals at their initial values, a new scripted Win32, and the camera
// somewhere odd, so that a window's reset of it shows.
void StartAfresh();

// The service names called from the nth on, joined by spaces.
std::string Calls(size_t from = 0);

// Every handle cleared (the instance too, unless creation stopped with
// nothing to give back), the display mode back, and of what the system
// holds only what a refused release left.
void ExpectNothingHeld(int windowsLeft = 0, int contextsLeft = 0, bool classLeft = false, bool instanceKept = false);

#endif  // TESSALINE_TESTS_SHELL_SHELL_TEST_H
