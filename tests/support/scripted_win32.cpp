#include "tests/support/scripted_win32.h"

#include <gtest/gtest.h>

ScriptedWin32 scripted;

HINSTANCE ScriptedWin32::Instance() {
    return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(Kind::instance) << 16);
}

bool ScriptedWin32::Call(const std::string& service, const std::string& arguments) {
    log.push_back(service + "(" + arguments + ")");
    int count = ++callCounts[service];
    auto failure = failures.find(service);
    return failure != failures.end() && (failure->second == 0 || failure->second == count);
}

std::vector<std::string> ScriptedWin32::Calls(std::initializer_list<std::string> services) const {
    std::vector<std::string> calls;
    for (const std::string& line : log)
        for (const std::string& service : services)
            if (line.compare(0, service.size() + 1, service + "(") == 0) calls.push_back(line);
    return calls;
}

// --- The script ------------------------------------------------------------

void ScriptedWin32::Input(UINT message, WPARAM wParam, LPARAM lParam) {
    script.push_back(Step{MSG{nullptr, message, wParam, lParam, 0, POINT{0, 0}}, 0, nullptr});
}

void ScriptedWin32::Idle(int passes) {
    if (passes > 0) script.push_back(Step{MSG{}, passes, nullptr});
}

void ScriptedWin32::Then(std::function<void()> action) { script.push_back(Step{MSG{}, 0, std::move(action)}); }

void ScriptedWin32::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    posted.push_back(MSG{window, message, wParam, lParam, 0, POINT{0, 0}});
}

// --- The system ------------------------------------------------------------

LRESULT ScriptedWin32::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = windows.find(window);
    if (found == windows.end()) return 0;
    return found->second.proc(window, message, wParam, lParam);
}

bool ScriptedWin32::NextMessage(MSG* message) {
    if (!posted.empty()) {
        *message = posted.front();
        posted.pop_front();
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode), 0, 0, POINT{0, 0}};
        return true;
    }
    while (!script.empty()) {
        Step& step = script.front();
        if (step.action) {
            std::function<void()> action = std::move(step.action);
            script.pop_front();
            action();
        } else if (step.idlePasses > 0) {
            if (--step.idlePasses == 0) script.pop_front();
            return false;
        } else {
            *message = step.message;
            message->hwnd = focus;
            script.pop_front();
            return true;
        }
    }
    // A loop that never waits would spin here for ever: stop it, loudly.
    ADD_FAILURE() << "the program looked for a message after the script's last step";
    *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(-1), 0, 0, POINT{0, 0}};
    return true;
}

bool ScriptedWin32::TakeAnswer(int* button) {
    if (answers.empty()) return false;
    *button = answers.front();
    answers.pop_front();
    return true;
}

ScriptedWindow* ScriptedWin32::WindowOf(HDC dc) {
    for (auto& window : windows)
        if (dc && window.second.dc == dc) return &window.second;
    return nullptr;
}
