#include "tests/shell/shell_test.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "camera/camera.h"
#include "shell/shell.h"

const std::string QUESTION =
    "Start FullScreen?|Would You Like To Run In Fullscreen Mode?\n  This Program Is Written By Odrenko.\n|36";
const std::string REFUSED =
    "OPENGL|The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?|52";
const std::string CLOSING = "ERROR|Program Will Now Close.|16";
std::string Error(const std::string& text) { return "ERROR|" + text + "|48"; }
std::string Shutdown(const std::string& text) { return "SHUTDOWN ERROR|" + text + "|64"; }

void StartAfresh() {
    scripted = ScriptedWin32();
    fullscreen = active = true;
    std::fill(std::begin(keys), std::end(keys), false);
    hInstance = nullptr;
    hWnd = nullptr;
    hDC = nullptr;
    hRC = nullptr;
    objCamera.Position_Camera(7, 7, 7, 9, 9, 9, 1, 0, 0);
}

std::string Calls(size_t from) {
    std::string calls;
    for (size_t i = from; i < scripted.log.size(); ++i) calls += (calls.empty() ? "" : " ") + scripted.log[i];
    return calls;
}

void ExpectNothingHeld(int windowsLeft, int contextsLeft, bool classLeft, bool instanceKept) {
    EXPECT_TRUE(!hWnd && !hDC && !hRC) << hWnd << " " << hDC << " " << hRC;
    EXPECT_EQ(hInstance != nullptr, instanceKept);
    EXPECT_FALSE(scripted.modeChanged);
    EXPECT_FALSE(scripted.current);
    EXPECT_EQ(scripted.windows, windowsLeft);
    EXPECT_EQ(scripted.contexts, contextsLeft);
    EXPECT_EQ(scripted.classRegistered, classLeft);
}
