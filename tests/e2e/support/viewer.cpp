#include "tests/e2e/support/viewer.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/e2e/support/virtual_display.h"

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

Viewer::Viewer(const std::string& display) {
    char pattern[] = "/tmp/tessaline-e2e-XXXXXX";
    if (!mkdtemp(pattern)) return;
    directory_ = pattern;

    std::string countsFile = directory_ + "/counts";
    int fd = open(countsFile.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ftruncate(fd, sizeof(CallCounts)) != 0) return;
    void* mapped = mmap(nullptr, sizeof(CallCounts), PROT_READ, MAP_SHARED, fd, 0);
    close(fd);
    if (mapped == MAP_FAILED) return;
    counts_ = static_cast<const volatile CallCounts*>(mapped);

    std::string displayChange = display.empty() ? "-DISPLAY" : "DISPLAY=" + display;
    // Whatever the caller preloads (the sanitizer run does) comes too.
    const char* inherited = std::getenv("LD_PRELOAD");
    std::string preload = std::string("LD_PRELOAD=") + TESSALINE_CALL_COUNTER +
                          (inherited && *inherited ? std::string(":") + inherited : std::string());
    std::string counts = std::string(TESSALINE_CALL_COUNTS_FILE) + "=" + countsFile;
    const char* argv[] = {TESSALINE_VIEWER, nullptr};
    const char* environment[] = {displayChange.c_str(), "-WAYLAND_DISPLAY", preload.c_str(), counts.c_str(),
                                 nullptr};
    pid_ = Spawn(argv, environment, directory_ + "/stderr");
}

Viewer::~Viewer() {
    if (Running()) Stop(pid_);
    if (counts_) munmap(const_cast<CallCounts*>(counts_), sizeof(CallCounts));
    if (!directory_.empty()) {
        unlink((directory_ + "/counts").c_str());
        unlink((directory_ + "/stderr").c_str());
        rmdir(directory_.c_str());
    }
}

int Viewer::WaitForExit(double seconds) {
    auto deadline = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (Running() && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return exitCode_;
}

bool Viewer::Running() {
    if (pid_ <= 0 || exitCode_ >= 0) return false;
    int status;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

std::string Viewer::Errors() const {
    std::ifstream file(directory_ + "/stderr");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

CallCounts Viewer::Counts() const {
    if (!counts_) return CallCounts{};
    return CallCounts{counts_->frames,       counts_->swaps,        counts_->windowsMade,
                      counts_->windowsDestroyed, counts_->contextsMade, counts_->contextsDeleted,
                      counts_->swapInterval};
}

bool Viewer::WaitUntil(const std::function<bool(const CallCounts&)>& done, double seconds) const {
    auto deadline = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    do {
        if (done(Counts())) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (Clock::now() < deadline);
    return false;
}

bool Viewer::WaitForFrames(int more, double seconds) const {
    int64_t target = Counts().frames + more;
    return WaitUntil([target](const CallCounts& counts) { return counts.frames >= target; }, seconds);
}

bool Viewer::WaitForPasses(int more, double seconds) const {
    int64_t target = Counts().swaps + more;
    return WaitUntil([target](const CallCounts& counts) { return counts.swaps >= target; }, seconds);
}
