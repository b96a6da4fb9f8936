// A scripted Win32 for unit tests. A test says what the user and the system
// do (keys held, where the cursor is, which calls fail) in one place,
// `scripted`, and reads back what the program asked of the services.
#ifndef TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
#define TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H

#include <map>
#include <string>
#include <vector>

#include "shell/win32.h"

struct ScriptedWin32 {
    // The script.
    bool held[256] = {};
    POINT cursor = {320, 240};

    // Makes the nth call (counted from 1) of a service fail; 0 fails them all.
    void Fail(const std::string& service, int nth = 0) { failures[service] = nth; }

    // The record.
    std::vector<std::string> log;  // every call in order, with its arguments
    std::vector<POINT> cursorMoves;
    int keyStateQueries = 0;

    // For the services themselves: logs the call and says whether it fails.
    bool Call(const std::string& service, const std::string& arguments);

private:
    std::map<std::string, int> failures;
    std::map<std::string, int> callCounts;
};

extern ScriptedWin32 scripted;

#endif  // TESSALINE_TESTS_SUPPORT_SCRIPTED_WIN32_H
