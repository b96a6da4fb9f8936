#include "tests/support/scripted_win32.h"

ScriptedWin32 scripted;

bool ScriptedWin32::Call(const std::string& service, const std::string& arguments) {
    log.push_back(service + "(" + arguments + ")");
    int count = ++callCounts[service];
    auto failure = failures.find(service);
    return failure != failures.end() && (failure->second == 0 || failure->second == count);
}
