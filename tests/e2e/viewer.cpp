#include "tests/e2e/viewer.h"

#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

namespace {

// Runs a shell command line as a process of its own that dies with the test.
pid_t Spawn(const std::string& command) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), nullptr);
    _exit(127);
}

void Stop(pid_t process) {
    if (process > 0 && kill(process, SIGKILL) == 0) waitpid(process, nullptr, 0);
}

std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;) out += static_cast<char>(c);
    if (pipe) pclose(pipe);
    return out;
}

// Polls until the condition holds; false when it still does not after ten seconds or so.
template <class Condition>
bool WaitFor(Condition holds) {
    for (int i = 0; i < 1000; ++i, usleep(10000))
        if (holds()) return true;
    return false;
}

}  // namespace

std::string Viewer::Xdotool(const std::string& command) const {
    return Output("DISPLAY=" + display + " timeout 20 xdotool " + command + " 2>/dev/null");
}

Viewer::Viewer(Start start, const char* screen, const char* program) : start(start) {
    // The run's files, in a folder that is also the Wayland runtime folder.
    char folder[] = "/tmp/tessaline-e2e-XXXXXX";
    files = mkdtemp(folder);
    const bool wayland = start == Start::Wayland;
    int ready[2];
    if (screen && pipe(ready) == 0) {
        // Xvfb writes its display's number once it takes connections.
        server = Spawn("Xvfb -displayfd " + std::to_string(ready[1]) + " -screen 0 " +
                       (wayland ? "1024x768x24" : screen) + " -nolisten tcp -noreset");
        close(ready[1]);
        display = ":";
        for (char c; read(ready[0], &c, 1) == 1 && c != '\n';) display += c;
        close(ready[0]);
    }
    x = screen ? XOpenDisplay(display.c_str()) : nullptr;
    // Weston's headless backend has no seat; its X11 one takes XTest input.
    const std::string runtime = "XDG_RUNTIME_DIR=" + files + " ", size = screen ? screen : "";
    if (wayland && screen) {
        compositor = Spawn("env DISPLAY=" + display + " " + runtime + "weston --backend=x11-backend.so " +
                           "--shell=kiosk-shell.so --socket=wayland-e2e --idle-time=0 --no-config --width=" +
                           size.substr(0, size.find('x')) + " --height=" + size.substr(size.find('x') + 1) +
                           " >/dev/null 2>&1");
        WaitFor([&] { return access((files + "/wayland-e2e").c_str(), F_OK) == 0; });
    }
    Xdotool("mousemove 320 240");
    // Without a window manager Wine waits two seconds for each window it
    // hides to be withdrawn.
    if (start == Start::Wine) windowManager = Spawn("env DISPLAY=" + display + " openbox --sm-disable >/dev/null 2>&1");
    // Neither the test's own display nor its compositor: only those of the run.
    const std::string where = "env -u WAYLAND_DISPLAY -u DISPLAY " + runtime +
                              (wayland ? "WAYLAND_DISPLAY=wayland-e2e LSAN_OPTIONS=suppressions=" TESSALINE_WAYLAND_LSAN " "
                                       : "") +
                              (screen ? "DISPLAY=" + display + " " : ""),
                      redirections = " </dev/null >/dev/null 2>" + files + "/stderr";
    // Whatever is preloaded already (by the sanitizers' run) stays preloaded.
    const char* preloaded = std::getenv("LD_PRELOAD");
    mkfifo((files + "/hold").c_str(), 0600);
    const std::string counted = "LD_PRELOAD=" + std::string(TESSALINE_CALL_COUNTER) + ":" + (preloaded ? preloaded : "") +
                                " TESSALINE_COUNTS=" + files + "/counts TESSALINE_HOLD=" + files + "/hold ";
    const char* built = program ? program : start == Start::Deb ? TESSALINE_DEB_VIEWER : TESSALINE_VIEWER;
    viewer = Spawn(where + (start == Start::Wine ? std::string("wine ") + TESSALINE_WINDOWS_VIEWER : counted + built) +
                   redirections);
}

Viewer::~Viewer() {
    Stop(viewer);
    // Wine's desktop process keeps to the display it started on: nothing of
    // a Windows run may linger in the prefix for the next one.
    if (start == Start::Wine) Output("wineserver -k");
    if (x) XCloseDisplay(x);
    Stop(windowManager);
    Stop(compositor);
    Stop(server);
    Output("rm -rf " + files);
}

// SDL titles its windows in an encoding of its own naming, which xdotool
// cannot read: xwininfo lists the windows by title.
std::string Viewer::WaitForWindow(const std::string& title, const std::string& old) {
    // On Wayland the viewer's frames show in weston's window once it draws,
    // and a window made anew (a Wayland row switches once) shows there too,
    // once its context is made.
    const bool weston = start == Start::Wayland && title == "Tessaline - By Odrenko";
    for (int i = 0; i < 400 && x; ++i, usleep(50000)) {
        if (weston && (Count(0) < 3 || Count(1) < (old.empty() ? 1 : 2))) continue;
        std::istringstream tree(Output("xwininfo -display " + display + " -root -tree"));
        for (std::string id, line; tree >> id && std::getline(tree, line);)
            if (line.find(" \"" + (weston ? "Weston Compositor - screen0" : title) + "\": ") == 0 && (weston || id != old) &&
                Output("xwininfo -display " + display + " -id " + id).find("IsViewable") != std::string::npos)
                return id;
    }
    return "";
}

bool Viewer::Answer(const char* caption, bool yes) {
    // Return takes the default button; Wine's boxes take No's underlined letter.
    const std::string box = WaitForWindow(caption);
    const char* key = yes ? "Return" : start == Start::Wine ? "n" : "Escape";
    if (!box.empty()) Xdotool("windowfocus --sync " + box + " key " + key);
    return !box.empty();
}

std::string Viewer::Shot(const std::string& window, const std::string& unlike) {
    // Weston shows a frame a repaint or more after the viewer draws it.
    const long frames = Count(0) + (start == Start::Wayland ? 10 : 3);
    for (int i = 0; i < 200; ++i, usleep(50000)) {
        if (start != Start::Wine && Count(0) < frames) continue;
        // A frame scaled up to fill a larger output (Wayland's full screen) is sampled back.
        std::string shot = Output("import -display " + display + " -window " + window +
                                  (start == Start::Wayland ? " -resize 640x480!" : " -crop 640x480+" + std::to_string(cropLeft) + "+0") +
                                  " -depth 8 rgb:- 2>/dev/null");
        if (shot != unlike && shot.find_first_not_of('\0') != std::string::npos) return shot;  // drawn, and new
    }
    return "";  // frames stopped, or none changed: no probe holds on it
}

bool Viewer::MovePointerAndWaitForItBack(int toX, int toY) {
    const std::string to = std::to_string(toX) + " " + std::to_string(toY);
    if (start != Start::Wayland) {
        Xdotool("mousemove " + to);
        return WaitFor([&] { return Xdotool("getmouselocation").find("x:320 y:240 ") == 0; });
    }
    // No one pins a pointer on Wayland: weston puts its own back, with no
    // motion, where the X pointer re-enters its window. The lock a click
    // asks for holds from the next frames on; the virtual pointer came back
    // when the view turned.
    Xdotool("mousemove 1023 767 mousemove 320 240 click 1");
    const long frames = Count(0), views = Count(2);
    WaitFor([&] { return Count(0) >= frames + 3; });
    Xdotool("mousemove 1023 767 mousemove 320 240 mousemove " + to);
    return WaitFor([&] { return Count(2) > views; });
}

bool Viewer::HoldUntilTheViewMoves(const char* key, int times, int framesAfter) {
    // Through the test's own connection, so the key is up again a poll after
    // the view moved, however busy the machine: a few steps more, not dozens.
    const KeyCode code = XKeysymToKeycode(x, XStringToKeysym(key));
    const long views = Count(2);
    XTestFakeKeyEvent(x, code, True, CurrentTime) && XFlush(x);
    const bool moved = WaitFor([&] { return Count(2) >= views + times; });
    const long frames = Count(0);
    WaitFor([&] { return Count(0) >= frames + framesAfter; });
    XTestFakeKeyEvent(x, code, False, CurrentTime) && XFlush(x);
    return moved;
}

bool Viewer::TapF1(int times) {
    for (int tap = 0; tap < times; ++tap) {
        const KeyCode code = XKeysymToKeycode(x, XStringToKeysym("F1"));
        const long windows = Count(1);  // a swap interval set for each
        XTestFakeKeyEvent(x, code, True, CurrentTime) && XTestFakeKeyEvent(x, code, False, CurrentTime) && XFlush(x);
        if (!WaitFor([&] { return Count(1) > windows; })) return false;
        // Drawn, and so focused, before the next press.
        const long frames = Count(0);
        if (!WaitFor([&] { return Count(0) >= frames + 3; }) || Count(1) != windows + 1) return false;
    }
    return true;
}

void Viewer::Widen(const std::string& window, int width) {
    Xdotool("windowsize --sync " + window + " " + std::to_string(width) + " 480");
    cropLeft = (width - 640) / 2;
}

bool Viewer::CursorShown() const {
    XFixesCursorImage* cursor = XFixesGetCursorImage(x);
    bool shown = false;
    for (int i = 0; cursor && i < cursor->width * cursor->height; ++i) shown = shown || cursor->pixels[i] >> 24;
    if (cursor) XFree(cursor);
    return shown;
}

bool Viewer::WaitForWmState(const std::string& window, const char* state) {
    const std::string asked = "xprop -display " + display + " -id " + window + " WM_STATE";
    return WaitFor([&] { return Output(asked).find(std::string("state: ") + state) != std::string::npos; });
}

bool Viewer::StartWindowManager(const std::string& window) {
    windowManager = Spawn("env DISPLAY=" + display + " openbox --sm-disable >/dev/null 2>&1");
    return WaitForWmState(window, "Normal");  // adopted
}

void Viewer::HoldWindowCreation() { held = open((files + "/hold").c_str(), O_RDONLY | O_NONBLOCK); }

void Viewer::KillDisplay() {
    char byte;
    WaitFor([&] { return held < 0 || read(held, &byte, 1) == 1; });
    // Xlib ends a program whose server goes: the test's own connection goes first.
    if (start != Start::Wayland) XCloseDisplay(std::exchange(x, nullptr));
    Stop(start == Start::Wayland ? compositor : server);
    if (held >= 0) close(held);
}

int Viewer::Exit(double seconds) {
    int status = -1;  // no wait status is -1
    for (int i = 0; i < seconds * 100 && waitpid(viewer, &status, WNOHANG) == 0; ++i) usleep(10000);
    if (status == -1) return -1;
    viewer = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string Viewer::Errors() const { return Output("cat " + files + "/stderr 2>/dev/null"); }

long Viewer::Count(int which) const {
    long counts[3] = {};
    std::ifstream(files + "/counts", std::ios::binary).read(reinterpret_cast<char*>(counts), sizeof counts);
    return counts[which];
}
