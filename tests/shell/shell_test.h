// What the shell tests share: a fresh start for every test, the texts of the
// boxes as the log shows them, and ways to read the log.
#ifndef TESSALINE_TESTS_SHELL_SHELL_TEST_H
#define TESSALINE_TESTS_SHELL_SHELL_TEST_H

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "shell/shell.h"
#include "tests/support/scripted_win32.h"

// Each test starts as a fresh process would: the globals at their initial
// values and a new scripted Win32. The camera is put somewhere odd, so that
// a window's reset of it shows.
void StartAfresh();

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { StartAfresh(); }
    void TearDown() override;
};

// The log line of a message box with no owner.
std::string Box(const std::string& text, const std::string& caption, const std::string& style);
extern const std::string QUESTION;      // the start-up question
extern const std::string MODE_REFUSED;  // the offer of windowed mode

// The calls that acquire or give back the display mode, the cursor, the
// context, the device context, the window and the class.
std::vector<std::string> Teardown();

// The log from the first look for a message on, read as the loop's phases:
// "peek", "dispatch", "keyboard", "mouse", "draw", "swap". A run of calls of
// one phase counts once.
std::vector<std::string> LoopPhases();

// Runs WinMain as the start-up code would.
int RunProgram();

void ExpectAtStartPose(const CCamera& camera);

// Nothing is held any more: handles null, no window, context or class left,
// the desktop's display mode.
void ExpectNothingHeld();

#endif  // TESSALINE_TESTS_SHELL_SHELL_TEST_H
