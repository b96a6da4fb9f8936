#include "tests/e2e/viewer.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace {

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Starts a program with these changes to the environment ("NAME=value", or
// "-NAME" to remove it) and its standard error in a file.
pid_t Spawn(std::vector<const char*> argv, std::initializer_list<std::string> environment, const std::string& errors) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // nothing outlives a test that crashes
    for (const std::string& change : environment)
        if (change[0] == '-') unsetenv(change.c_str() + 1);
        else setenv(change.substr(0, change.find('=')).c_str(), change.c_str() + change.find('=') + 1, 1);
    const int null = open("/dev/null", O_RDWR), error = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(null, 0), dup2(null, 1), dup2(error, 2);
    argv.push_back(nullptr);
    execvp(argv[0], const_cast<char* const*>(argv.data()));
    _exit(127);
}

std::string Output(const std::string& command) {
    std::string out;
    char buffer[4096];
    FILE* pipe = popen(command.c_str(), "r");
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    if (pipe) pclose(pipe);
    return out;
}

// SDL titles its windows in an encoding of its own naming, which XFetchName
// (and so xdotool) refuses: titles are compared byte for byte.
void Find(Display* x, Window window, const std::string& title, std::vector<Window>* found) {
    XTextProperty name = {};
    XWindowAttributes attributes;
    // Weston names its window only in the newer property.
    const Atom newer = XInternAtom(x, "_NET_WM_NAME", False);
    if ((XGetWMName(x, window, &name) || XGetTextProperty(x, window, &name, newer)) && name.value &&
        title == std::string(reinterpret_cast<char*>(name.value), name.nitems) &&
        XGetWindowAttributes(x, window, &attributes) && attributes.map_state == IsViewable)
        found->push_back(window);
    if (name.value) XFree(name.value);
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    XQueryTree(x, window, &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) Find(x, children[i], title, found);
    if (children) XFree(children);
}

}  // namespace

std::string StartXvfb(const std::string& screen, pid_t* server) {
    int ready[2];
    std::string number;
    char c;
    if (pipe(ready) != 0) return "";
    const std::string fd = std::to_string(ready[1]);
    *server = Spawn({"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-noreset"},
                    {}, "/dev/null");
    close(ready[1]);
    while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    close(ready[0]);
    return number.empty() ? "" : ":" + number;
}

void Stop(pid_t process) {
    if (process > 0 && kill(process, SIGKILL) == 0) waitpid(process, nullptr, 0);
}

std::string Xdotool(const std::string& display, const std::string& command) {
    return Output("DISPLAY=" + display + " timeout 20 xdotool " + command + " 2>/dev/null");
}

Viewer::Viewer(Start start, const char* screen, const char* program) : start(start) {
    static int viewers = 0;
    files = "/tmp/tessaline-e2e-" + std::to_string(getpid()) + "-" + std::to_string(++viewers);
    const bool wayland = start == Start::Wayland;
    display = screen ? StartXvfb(wayland ? "1024x768x24" : screen, &server) : "";
    x = screen ? XOpenDisplay(display.c_str()) : nullptr;
    // Weston's headless backend has no seat; its X11 one takes XTest input.
    const std::string runtime = files + ".run", size = screen ? screen : "";
    mkdir(runtime.c_str(), 0700);
    if (wayland && screen) {
        compositor = Spawn({"weston", "--backend=x11-backend.so", "--shell=kiosk-shell.so", "--socket=wayland-e2e",
                            "--idle-time=0", "--no-config", ("--width=" + size.substr(0, size.find('x'))).c_str(),
                            ("--height=" + size.substr(size.find('x') + 1)).c_str()},
                           {"DISPLAY=" + display, "XDG_RUNTIME_DIR=" + runtime}, "/dev/null");
        for (int i = 0; i < 500 && access((runtime + "/wayland-e2e").c_str(), F_OK) != 0; ++i) Sleep(20);
    }
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });  // windows come and go while looked at
    Xdotool("mousemove 320 240");
    const std::string where = screen ? "DISPLAY=" + display : "-DISPLAY";
    // Whatever is preloaded already (by the sanitizers' run) stays preloaded.
    const char* preloaded = std::getenv("LD_PRELOAD");
    const std::string preload =
        std::string("LD_PRELOAD=") + TESSALINE_CALL_COUNTER + (preloaded ? std::string(":") + preloaded : "");
    if (start == Start::Wine)
        viewer = Spawn({"wine", TESSALINE_WINDOWS_VIEWER}, {where, "-WAYLAND_DISPLAY"}, files + ".stderr");
    else
        viewer = Spawn({program ? program : TESSALINE_VIEWER},
                       {where, wayland ? "WAYLAND_DISPLAY=wayland-e2e" : "-WAYLAND_DISPLAY", "XDG_RUNTIME_DIR=" + runtime,
                        preload, "TESSALINE_COUNTS=" + files + ".counts"},
                       files + ".stderr");
}

Viewer::~Viewer() {
    Stop(viewer);
    // Wine's desktop process keeps to the display it started on: nothing of
    // a Windows run may linger in the prefix for the next one.
    if (start == Start::Wine) waitpid(Spawn({"wineserver", "-k"}, {}, "/dev/null"), nullptr, 0);
    if (x) XCloseDisplay(x);
    Stop(windowManager);
    Stop(compositor);
    Stop(server);
    unlink((files + ".counts").c_str());
    unlink((files + ".stderr").c_str());
    for (const char* socket : {"/wayland-e2e", "/wayland-e2e.lock"}) unlink((files + ".run" + socket).c_str());
    rmdir((files + ".run").c_str());
}

std::string Viewer::WaitForWindow(const std::string& title, const std::string& old) {
    // On Wayland the viewer's frames show in weston's window, once it draws.
    const bool weston = start == Start::Wayland && title == "Tessaline - By Odrenko";
    for (int i = 0; i < 400 && x; ++i, Sleep(50)) {
        std::vector<Window> found;
        if (!weston || Count(0) > 2) Find(x, DefaultRootWindow(x), weston ? "Weston Compositor - screen0" : title, &found);
        for (Window window : found)
            if (std::to_string(window) != old) return std::to_string(window);
    }
    return "";
}

bool Viewer::Answer(const char* caption, bool yes) {
    // Return takes the default button; Wine's boxes take No's underlined letter.
    const std::string box = WaitForWindow(caption);
    if (!box.empty()) Xdotool("windowfocus --sync " + box + " key " + (yes ? "Return" : start == Start::Wine ? "n" : "Escape"));
    return !box.empty();
}

std::string Viewer::Shot(const std::string& window) {
    const long frames = Count(0);
    // Weston shows a frame a repaint or more after the viewer draws it.
    const int more = start == Start::Wayland ? 10 : 3;
    for (int i = 0; i < 200 && (start == Start::Wine ? i < 20 : Count(0) < frames + more); ++i) Sleep(50);
    int left = 0, top = 0;
    Window child;
    XTranslateCoordinates(x, std::stoul(window), DefaultRootWindow(x), 0, 0, &left, &top, &child);
    // A frame scaled up to fill a larger output (Wayland's full screen) is sampled back.
    XWindowAttributes size = {};
    XGetWindowAttributes(x, std::stoul(window), &size);
    return Output("import -display " + display + " -window root -crop " + std::to_string(std::max(size.width, 640)) +
                  "x" + std::to_string(std::max(size.height, 480)) + "+" + std::to_string(left) + "+" +
                  std::to_string(top) + " -resize 640x480! -depth 8 rgb:- 2>/dev/null");
}

bool Viewer::MovePointerAndWaitForItBack(int toX, int toY) {
    // No one pins a pointer on Wayland: weston puts its own back, with no
    // motion, where the X pointer re-enters its window. The lock a click
    // asks for holds from the next frames on.
    if (start == Start::Wayland) {
        Xdotool("mousemove 1023 767 mousemove 320 240 click 1");
        for (long frames = Count(0), i = 0; i < 100 && Count(0) < frames + 3; ++i) Sleep(20);
        Xdotool("mousemove 1023 767 mousemove 320 240 mousemove " + std::to_string(toX) + " " + std::to_string(toY));
        return true;
    }
    Xdotool("mousemove " + std::to_string(toX) + " " + std::to_string(toY));
    for (int i = 0; i < 100; ++i, Sleep(20))
        if (Xdotool("getmouselocation").find("x:320 y:240 ") == 0) return true;
    return false;
}

void Viewer::StartWindowManager() {
    windowManager = Spawn({"openbox", "--sm-disable"}, {"DISPLAY=" + display}, "/dev/null");
    const Atom managing = XInternAtom(x, "WM_S0", False);  // held by the window manager of screen 0
    for (int i = 0; i < 200 && XGetSelectionOwner(x, managing) == None; ++i) Sleep(20);
    Sleep(300);
}

int Viewer::Exit(double seconds) {
    int status = 0;
    for (int i = 0; exitCode < 0 && i < seconds * 100; ++i, Sleep(10))
        if (waitpid(viewer, &status, WNOHANG) == viewer) {
            exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            viewer = -1;
        }
    return exitCode;
}

std::string Viewer::Errors() const {
    std::ostringstream text;
    text << std::ifstream(files + ".stderr").rdbuf();
    return text.str();
}

long Viewer::Count(int which) const {
    long counts[2] = {0, 0};
    std::ifstream(files + ".counts", std::ios::binary).read(reinterpret_cast<char*>(counts), sizeof counts);
    return counts[which];
}
