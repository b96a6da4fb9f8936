// The start-up code Windows' C runtime runs for a GUI program, in a page:
// static initialisation has run by now; listen to the page and to fingers
// on it, call WinMain, and when it returns say so on the page, with a way to
// start it again.
#include <emscripten.h>

#include "shell/web/state.h"

namespace {

const int kShowDefault = 10;  // SW_SHOWDEFAULT: no show state was asked for

// Starting again loads the page afresh: the program's globals start over
// only with a new process.
EM_JS(void, SayEnded, (int exitCode), {
    document.getElementById("ended-text").textContent = "Tessaline has ended (exit code " + exitCode + ").";
    document.getElementById("again").onclick = function() { location.reload(); };
    document.getElementById("ended").hidden = false;
    document.getElementById("controls").remove();
    // Sideways on a phone the view fills the screen, and this is below it.
    document.getElementById("ended").scrollIntoView({block: "nearest"});
});

}  // namespace

int main() {
    web_win32::ListenToPage();
    web_win32::ListenToFingers();
    char commandLine[] = "";
    const int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, kShowDefault);
    SayEnded(exitCode);
    return exitCode;
}
