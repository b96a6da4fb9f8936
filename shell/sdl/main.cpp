// The start-up code Windows' C runtime runs for a GUI program: static
// initialisation has run by now; call WinMain with the instance, the command
// line after the program's name and the default show state, and exit with
// what it returns once the platform is released.
#include <string>

#include "shell/sdl/sdl_win32.h"
#include "shell/win32.h"

namespace {

const int kShowDefault = 10;  // SW_SHOWDEFAULT: no show state was asked for

}  // namespace

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    EndOnLostDisplay();
    int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, &commandLine[0], kShowDefault);
    ShutdownSdlWin32();
    return exitCode;
}
