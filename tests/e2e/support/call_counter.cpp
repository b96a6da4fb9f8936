// Preloaded into the viewer by the end-to-end tests: counts a few GL and
// SDL calls into the file named by TESSALINE_CALL_COUNTS, and passes every
// call on unchanged.
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/e2e/support/call_counts.h"

namespace {

CallCounts* Counts() {
    static CallCounts* counts = [] {
        static CallCounts unshared;
        const char* path = std::getenv(TESSALINE_CALL_COUNTS_FILE);
        int fd = path ? open(path, O_RDWR) : -1;
        if (fd < 0) return &unshared;
        void* mapped = mmap(nullptr, sizeof(CallCounts), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        return mapped == MAP_FAILED ? &unshared : static_cast<CallCounts*>(mapped);
    }();
    return counts;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

void glClear(GLbitfield mask) {
    static auto next = Next<void (*)(GLbitfield)>("glClear");
    ++Counts()->frames;
    next(mask);
}

void SDL_GL_SwapWindow(SDL_Window* window) {
    static auto next = Next<void (*)(SDL_Window*)>("SDL_GL_SwapWindow");
    ++Counts()->swaps;
    next(window);
}

SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 flags) {
    static auto next = Next<SDL_Window* (*)(const char*, int, int, int, int, Uint32)>("SDL_CreateWindow");
    SDL_Window* window = next(title, x, y, w, h, flags);
    if (window) ++Counts()->windowsMade;
    return window;
}

void SDL_DestroyWindow(SDL_Window* window) {
    static auto next = Next<void (*)(SDL_Window*)>("SDL_DestroyWindow");
    if (window) ++Counts()->windowsDestroyed;
    next(window);
}

SDL_GLContext SDL_GL_CreateContext(SDL_Window* window) {
    static auto next = Next<SDL_GLContext (*)(SDL_Window*)>("SDL_GL_CreateContext");
    SDL_GLContext context = next(window);
    if (context) ++Counts()->contextsMade;
    return context;
}

void SDL_GL_DeleteContext(SDL_GLContext context) {
    static auto next = Next<void (*)(SDL_GLContext)>("SDL_GL_DeleteContext");
    if (context) ++Counts()->contextsDeleted;
    next(context);
}

int SDL_GL_SetSwapInterval(int interval) {
    static auto next = Next<int (*)(int)>("SDL_GL_SetSwapInterval");
    Counts()->swapInterval = interval;
    return next(interval);
}

}  // extern "C"
