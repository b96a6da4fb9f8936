#include "tests/support/log_format.h"

#include <cstdio>

#include "tests/support/scripted_win32.h"

std::string Join(std::initializer_list<std::string> arguments) {
    std::string joined;
    for (const std::string& argument : arguments) joined += (joined.empty() ? "" : ", ") + argument;
    return joined;
}

std::string Name(const void* handle) {
    if (!handle) return "null";
    uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    std::string serial = std::to_string(value & 0xFFFF);
    switch (static_cast<ScriptedWin32::Kind>(value >> 16)) {
    case ScriptedWin32::Kind::window: return "window" + serial;
    case ScriptedWin32::Kind::dc: return "dc" + serial;
    case ScriptedWin32::Kind::context: return "rc" + serial;
    case ScriptedWin32::Kind::icon: return "icon" + serial;
    case ScriptedWin32::Kind::cursor: return "cursor" + serial;
    case ScriptedWin32::Kind::instance: return "instance";
    }
    return Hex(value);
}

std::string Hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

std::string Quote(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

std::string Resource(LPCSTR name) {
    uintptr_t value = reinterpret_cast<uintptr_t>(name);
    return value >> 16 ? Quote(name) : std::to_string(value);
}

std::string Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const std::pair<UINT, const char*> names[] = {
        {WM_SIZE, "WM_SIZE"},   {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"},   {WM_KEYDOWN, "WM_KEYDOWN"},   {WM_KEYUP, "WM_KEYUP"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    };
    std::string number = Hex(message);
    for (const auto& name : names)
        if (name.first == message) number = name.second;
    return Join({Name(window), number, Hex(wParam), Hex(static_cast<uint64_t>(lParam))});
}
