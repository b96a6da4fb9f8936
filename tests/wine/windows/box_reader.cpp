// Runs under Wine beside the viewer and prints what a message box says, so
// that a test can check a box's exact text: X shows only the pixels.
//
//   box_reader CAPTION
//
// prints the box's text with line breaks as \n, then its buttons, one line
// each; exits 1 when no top-level window has that caption.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Escaped(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (*c == '\n') out += "\\n";
        else if (*c == '\r') out += "\\r";
        else out += *c;
    }
    return out;
}

// Gathers the box's texts and buttons: the order of its child windows
// differs between boxes, the order printed does not.
struct Controls {
    std::string texts, buttons;
};

BOOL CALLBACK GatherControl(HWND control, LPARAM gathered) {
    char className[64], text[1024];
    GetClassNameA(control, className, sizeof className);
    GetWindowTextA(control, text, sizeof text);
    if (text[0] == '\0') return TRUE;  // the icon
    Controls* controls = reinterpret_cast<Controls*>(gathered);
    if (lstrcmpiA(className, "Button") == 0)
        controls->buttons += "button " + Escaped(text) + "\n";
    else
        controls->texts += "text " + Escaped(text) + "\n";
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HWND box = FindWindowA(nullptr, argv[1]);
    if (!box) return 1;
    Controls controls;
    EnumChildWindows(box, GatherControl, reinterpret_cast<LPARAM>(&controls));
    std::printf("%s%s", controls.texts.c_str(), controls.buttons.c_str());
    return 0;
}
