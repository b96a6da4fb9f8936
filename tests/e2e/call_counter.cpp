// Preloaded into the viewer: counts the frames it draws (glClear starts
// each) and keeps the last swap interval it asks for, in the file named by
// TESSALINE_COUNTS, for what no screenshot shows.
#include <GL/gl.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace {

long counts[2];

void Save() {
    // The harness always names the file it reads.
    static const int file = open(std::getenv("TESSALINE_COUNTS"), O_WRONLY | O_CREAT, 0644);
    if (pwrite(file, counts, sizeof counts, 0) < 0) return;  // the test sees no counts, and says so
}

}  // namespace

extern "C" void glClear(GLbitfield mask) {
    static auto next = reinterpret_cast<void (*)(GLbitfield)>(dlsym(RTLD_NEXT, "glClear"));
    ++counts[0];
    Save();
    next(mask);
}

extern "C" int SDL_GL_SetSwapInterval(int interval) {
    static auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "SDL_GL_SetSwapInterval"));
    counts[1] = interval;
    Save();
    return next(interval);
}
