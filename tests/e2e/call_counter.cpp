// Preloaded into the viewer, for what no screenshot shows, in the file named
// by TESSALINE_COUNTS: the frames it draws (a gluLookAt each), the swap
// intervals it asks for, summed, and the frames whose view differs from the
// one before (a step or a turn). And, where the test listens on the pipe
// named by TESSALINE_HOLD, the loading of Mesa's GL driver, as SDL makes the
// first window, waits there, to be let go once the test has done its part
// meanwhile (killed the display, which Mesa then meets). And each swap waits
// for the next tick of 60 Hz, as a screen's vertical sync holds a swap
// interval of 1: Xvfb holds no frame back, so the viewer drew as fast as
// llvmpipe could, taking a core from the rows beside it.
#include <GL/glu.h>
#include <SDL2/SDL_video.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

long counts[3];

void Save() {
    // The harness always names the file it reads.
    static const int file = open(std::getenv("TESSALINE_COUNTS"), O_WRONLY | O_CREAT, 0644);
    if (pwrite(file, counts, sizeof counts, 0) < 0) return;  // the test sees no counts, and says so
}

}  // namespace

extern "C" void gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy, GLdouble cz, GLdouble ux,
                          GLdouble uy, GLdouble uz) {
    static auto next = reinterpret_cast<decltype(&gluLookAt)>(dlsym(RTLD_NEXT, "gluLookAt"));
    static std::array<GLdouble, 6> last;
    const std::array<GLdouble, 6> look = {ex, ey, ez, cx, cy, cz};
    counts[2] += std::exchange(last, look) != look;
    ++counts[0];
    Save();
    next(ex, ey, ez, cx, cy, cz, ux, uy, uz);
}

extern "C" int SDL_GL_SetSwapInterval(int interval) {
    static auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "SDL_GL_SetSwapInterval"));
    counts[1] += interval;
    Save();
    return next(interval);
}

// Says it is held by a byte on the pipe, and goes on once the test has
// closed its end.
extern "C" void* dlopen(const char* file, int mode) {
    static auto next = reinterpret_cast<decltype(&dlopen)>(dlsym(RTLD_NEXT, "dlopen"));
    pollfd held = {file && std::strstr(file, "_dri.so") ? open(std::getenv("TESSALINE_HOLD"), O_WRONLY | O_NONBLOCK) : -1, 0, 0};
    if (held.fd >= 0 && write(held.fd, "", 1) == 1) poll(&held, 1, -1);
    close(held.fd);
    return next(file, mode);
}

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static auto next = reinterpret_cast<decltype(&SDL_GL_SwapWindow)>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    const long long period = 1000000000 / 60;
    static long long first = -1;
    next(window);
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long time = now.tv_sec * 1000000000LL + now.tv_nsec;
    if (first < 0) first = time;
    const long long tick = first + ((time - first) / period + 1) * period;
    const timespec until = {static_cast<time_t>(tick / 1000000000), static_cast<long>(tick % 1000000000)};
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr);
}
