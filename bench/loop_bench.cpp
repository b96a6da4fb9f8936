// The loop's cost on the Linux desktop: the program's own idle pass through
// the SDL services, against a bare SDL loop that draws the same frame with
// no Win32 layer at all, alternating, several rounds, medians; then where a
// program pass goes. Both windows swap with an interval of 0, set here
// through SDL once they exist (the services themselves ask for 1).
//
// The machine's speed wanders (a shared machine: by a fifth within a second
// here), so the two sides alternate in short blocks and are compared round
// by round, each block against the other side's next to it in time: the
// ratio given is the median of the rounds' ratios.
//
// Prints rows "label|value|unit" for scripts/run-benchmarks, and last
// "ratio <program passes per second / bare passes per second>".
#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "camera/camera.h"
#include "camera/keyboard.h"
#include "render/render.h"
#include "shell/sdl/sdl_win32.h"
#include "shell/shell.h"

namespace {

using Clock = std::chrono::steady_clock;

const int ROUNDS = 101;
const int PASSES_PER_BLOCK = 16;  // short blocks: a slow spell of the machine hits both sides alike
const int BREAKDOWN_ROUNDS = 15;
const int BREAKDOWN_PASSES = 64;  // per round

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One pass of the program's loop while no message is waiting, as WinMain
// runs it; a message that does arrive is handled as WinMain would.
void ProgramPass() {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return;
    }
    Keyboard_Input();
    objCamera.Mouse_Move(640, 480);
    if (active) DrawGLScene();
    SwapBuffers(hDC);
}

struct Bare {
    SDL_Window* window;
    SDL_GLContext context;

    void Pass() {
        for (SDL_Event event; SDL_PollEvent(&event);) {
        }
        DrawGLScene();
        SDL_GL_SwapWindow(window);
    }
};

// The bare loop's window: beside the program's, so that neither covers the
// other, with the same pixel format the services choose for the program.
bool MakeBare(Bare* bare) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    bare->window = SDL_CreateWindow("Bare SDL loop", 660, 0, 640, 480, SDL_WINDOW_OPENGL);
    if (!bare->window) return false;
    bare->context = SDL_GL_CreateContext(bare->window);
    if (!bare->context) return false;
    SDL_GL_SetSwapInterval(0);
    ReSizeGLScene(640, 480);
    InitGL();
    return true;
}

void ToProgram() {
    wglMakeCurrent(hDC, hRC);
    SDL_GL_SetSwapInterval(0);
}

void ToBare(const Bare& bare) {
    SDL_GL_MakeCurrent(bare.window, bare.context);
    SDL_GL_SetSwapInterval(0);
}

// Passes per second over a block of passes.
template <typename Pass>
double Rate(Pass pass, int passes) {
    Clock::time_point start = Clock::now();
    for (int i = 0; i < passes; ++i) pass();
    return passes / Seconds(start, Clock::now());
}

// Where a program pass goes, each phase timed apart, the drawing finished
// with glFinish so that its time is not left to the swap.
struct Phases {
    double pump = 0, keys = 0, cursor = 0, gl = 0, swap = 0;
    double Total() const { return pump + keys + cursor + gl + swap; }
};

void TimedProgramPass(Phases* phases) {
    MSG msg;
    Clock::time_point t0 = Clock::now();
    bool message = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    Clock::time_point t1 = Clock::now();
    phases->pump += Seconds(t0, t1);
    if (message) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return;
    }
    Keyboard_Input();
    Clock::time_point t2 = Clock::now();
    objCamera.Mouse_Move(640, 480);
    Clock::time_point t3 = Clock::now();
    if (active) DrawGLScene();
    glFinish();
    Clock::time_point t4 = Clock::now();
    SwapBuffers(hDC);
    Clock::time_point t5 = Clock::now();
    phases->keys += Seconds(t1, t2);
    phases->cursor += Seconds(t2, t3);
    phases->gl += Seconds(t3, t4);
    phases->swap += Seconds(t4, t5);
}

// Allocations through operator new while counting is on: the program's own
// code and the C++ services allocate nothing in a pass. Everything else goes
// to malloc as before, where a sanitizer still watches it.
bool countingAllocations = false;
long allocations = 0;

void Row(const char* label, double value, const char* unit) { std::printf("%s|%.4g|%s\n", label, value, unit); }

}  // namespace

void* operator new(std::size_t size) {
    if (countingAllocations) ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

int main() {
    // The pointer where the program pins it, so that no pass turns the view.
    SetCursorPos(320, 240);
    if (!CreateGLWindow("Tessaline - By Odrenko", 640, 480, 16, false)) return 1;
    SDL_GL_SetSwapInterval(0);
    Bare bare;
    if (!MakeBare(&bare)) {
        std::fprintf(stderr, "loop_bench: no bare SDL window: %s\n", SDL_GetError());
        return 1;
    }
    std::printf("renderer|%s|\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    ToProgram();
    Rate(ProgramPass, 50);  // warm up: the first frames compile the rasteriser's shaders
    ToBare(bare);
    Rate([&bare] { bare.Pass(); }, 50);

    // Each round swaps which side goes first, so that a drift in the
    // machine's speed over the run favours neither.
    std::vector<double> programRates, bareRates;
    for (int round = 0; round < ROUNDS; ++round) {
        for (int side = 0; side < 2; ++side) {
            if ((side + round) % 2 == 0) {
                ToProgram();
                programRates.push_back(Rate(ProgramPass, PASSES_PER_BLOCK));
            } else {
                ToBare(bare);
                bareRates.push_back(Rate([&bare] { bare.Pass(); }, PASSES_PER_BLOCK));
            }
        }
    }

    ToProgram();
    std::vector<double> pump, keys, cursor, gl, swap, cursorMicroseconds;
    countingAllocations = true;
    Rate(ProgramPass, BREAKDOWN_PASSES);
    countingAllocations = false;
    for (int round = 0; round < BREAKDOWN_ROUNDS; ++round) {
        Phases phases;
        for (int i = 0; i < BREAKDOWN_PASSES; ++i) TimedProgramPass(&phases);
        pump.push_back(phases.pump / phases.Total());
        keys.push_back(phases.keys / phases.Total());
        cursor.push_back(phases.cursor / phases.Total());
        gl.push_back(phases.gl / phases.Total());
        swap.push_back(phases.swap / phases.Total());
        cursorMicroseconds.push_back(phases.cursor / BREAKDOWN_PASSES * 1e6);
    }
    bool drew = active;
    KillGLWindow();
    SDL_GL_DeleteContext(bare.context);
    SDL_DestroyWindow(bare.window);
    ShutdownSdlWin32();
    if (!drew) {
        std::fprintf(stderr, "loop_bench: the program's window was not active; its passes drew nothing\n");
        return 1;
    }

    std::vector<double> ratios;
    for (int round = 0; round < ROUNDS; ++round) ratios.push_back(programRates[round] / bareRates[round]);

    Row("passes per block", PASSES_PER_BLOCK, "");
    Row("rounds, each side's block alternately first", ROUNDS, "");
    Row("program: passes per second (median)", Median(programRates), "/s");
    Row("bare SDL loop: passes per second (median)", Median(bareRates), "/s");
    Row("program / bare, ratio of the medians", Median(programRates) / Median(bareRates), "");
    Row("program / bare, median of the rounds' ratios", Median(ratios), "");
    Row("program pass: GL, DrawGLScene + glFinish", 100 * Median(gl), "%");
    Row("program pass: swap", 100 * Median(swap), "%");
    Row("program pass: message pump", 100 * Median(pump), "%");
    Row("program pass: key state (Keyboard_Input)", 100 * Median(keys), "%");
    Row("program pass: cursor read and warp (Mouse_Move)", 100 * Median(cursor), "%");
    Row("cursor read and warp, per pass", Median(cursorMicroseconds), "us");
    Row("operator new calls per program pass, program and its C++ services",
        static_cast<double>(allocations) / BREAKDOWN_PASSES, "");
    std::printf("ratio %.3f\n", Median(ratios));
    return 0;
}
