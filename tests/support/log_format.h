// How the scripted services write their arguments into the log.
#ifndef TESSALINE_TESTS_SUPPORT_LOG_FORMAT_H
#define TESSALINE_TESTS_SUPPORT_LOG_FORMAT_H

#include <cstdint>
#include <initializer_list>
#include <string>

#include "shell/win32.h"

std::string Join(std::initializer_list<std::string> arguments);  // "a, b, c"
std::string Name(const void* handle);  // "window2", "dc1", "rc1", "instance", "null"
std::string Hex(uint64_t value);       // "0x25"
std::string Quote(const char* text);   // the text in double quotes, or "null"
std::string Resource(LPCSTR name);     // a resource id as its number, else quoted
std::string Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);  // "window1, WM_KEYUP, 0x57, 0xc0000001"

#endif  // TESSALINE_TESTS_SUPPORT_LOG_FORMAT_H
