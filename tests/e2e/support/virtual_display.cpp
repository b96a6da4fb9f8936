#include "tests/e2e/support/virtual_display.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

bool Exited(pid_t pid, int* status) { return waitpid(pid, status, WNOHANG) == pid; }

// Reads the display number Xvfb writes once it is ready for clients.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready = {fd, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        char c;
        if (read(fd, &c, 1) != 1) return "";
        if (c == '\n') return number;
        number += c;
    }
    return "";
}

bool HasWindowManager(const std::string& name) {
    Display* display = XOpenDisplay(name.c_str());
    if (!display) return false;
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type;
    int format;
    unsigned long items = 0, remaining;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType, &type, &format,
                       &items, &remaining, &data);
    if (data) XFree(data);
    XCloseDisplay(display);
    return items > 0;
}

}  // namespace

pid_t Spawn(const char* const* argv, const char* const* environment, const std::string& errorFile) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    for (const char* const* change = environment; change && *change; ++change) {
        std::string entry = *change;
        if (entry[0] == '-') {
            unsetenv(entry.c_str() + 1);
        } else {
            size_t equals = entry.find('=');
            setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
        }
    }
    int input = open("/dev/null", O_RDONLY);
    int output = open("/dev/null", O_WRONLY);
    int errors = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(input, 0);
    dup2(output, 1);
    dup2(errors, 2);
    execvp(argv[0], const_cast<char* const*>(argv));
    _exit(127);
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    int status;
    if (Exited(pid, &status)) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (Exited(pid, &status)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

VirtualDisplay::VirtualDisplay(const std::string& screen) {
    int ready[2];
    if (pipe(ready) != 0) return;
    std::string fd = std::to_string(ready[1]);
    const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
                          "-nolisten", "tcp", "-noreset", nullptr};
    server_ = Spawn(argv, nullptr, "/dev/null");
    close(ready[1]);
    std::string number = server_ > 0 ? ReadDisplayNumber(ready[0]) : "";
    close(ready[0]);
    if (!number.empty()) name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
    Stop(windowManager_);
    Stop(server_);
    if (!configFile_.empty()) unlink(configFile_.c_str());
}

bool VirtualDisplay::StartWindowManager() {
    // Openbox's own settings, but for the animation of iconifying, which
    // would otherwise be drawn over what the test looks at.
    configFile_ = "/tmp/tessaline-openbox-" + name_.substr(1) + ".xml";
    std::ofstream config(configFile_);
    config << "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
              "<theme><animateIconify>no</animateIconify></theme>\n</openbox_config>\n";
    config.close();

    std::string display = "DISPLAY=" + name_;
    const char* argv[] = {"openbox", "--sm-disable", "--config-file", configFile_.c_str(), nullptr};
    const char* environment[] = {display.c_str(), nullptr};
    windowManager_ = Spawn(argv, environment, "/dev/null");
    for (int i = 0; i < 200; ++i) {
        if (HasWindowManager(name_)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}
