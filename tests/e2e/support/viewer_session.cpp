#include "tests/e2e/support/viewer_session.h"

#include <sys/stat.h>

const char* const kViewerTitle = "Tessaline - By Odrenko";
const char* const kStartQuestion = "Start FullScreen?";

ViewerSession::ViewerSession(const std::string& screen, bool windowManager)
    : display(screen), x(display.Started() ? display.Name() : ":none") {
    if (windowManager && display.Started()) display.StartWindowManager();
    if (x.Connected()) x.MovePointer(320, 240);
}

bool ViewerSession::Ready() const { return display.Started() && x.Connected() && viewer && viewer->Started(); }

void ViewerSession::StartViewer() { viewer.reset(new Viewer(display.Name())); }

bool ViewerSession::Answer(const std::string& caption, const char* keyName) {
    ::Window box = x.WaitForWindow(caption, 10);
    if (box == None) return false;
    x.Focus(box);
    x.PressKey(keyName);
    return true;
}

::Window ViewerSession::WaitForViewerWindow() {
    ::Window window = x.WaitForWindow(kViewerTitle, 10);
    if (window == None || !viewer->WaitForFrames(3, 10)) return None;
    return window;
}

::Window ViewerSession::StartAnswering(const char* keyName) {
    StartViewer();
    if (!Ready() || !Answer(kStartQuestion, keyName)) return None;
    return WaitForViewerWindow();
}

std::string ViewerSession::Errors() const { return viewer ? viewer->Errors() : "the viewer did not start"; }

Image ViewerSession::SettledScreenshot(const std::string& name) {
    viewer->WaitForFrames(3, 10);
    Image shot = x.Screenshot();
    mkdir(TESSALINE_SHOTS_DIR, 0755);
    SavePpm(shot, std::string(TESSALINE_SHOTS_DIR) + "/" + name + ".ppm");
    return shot;
}
