// The camera and keyboard work of one idle pass, in nanoseconds.
#include <benchmark/benchmark.h>

#include "bench/fixed_input.h"
#include "camera/camera.h"
#include "camera/keyboard.h"

namespace {

void PlaceAtStart() { objCamera.Position_Camera(0, 2.5f, 5, 0, 2.5f, 0, 0, 1, 0); }

void SetHeld(std::initializer_list<int> keys) {
    fixedInput = FixedInput();
    for (int key : keys) fixedInput.held[key] = true;
}

void KeyboardNothingHeld(benchmark::State& state) {
    SetHeld({});
    PlaceAtStart();
    for (auto _ : state) Keyboard_Input();
    benchmark::DoNotOptimize(objCamera);
}
BENCHMARK(KeyboardNothingHeld);

void KeyboardWalkingAndStrafing(benchmark::State& state) {
    SetHeld({'W', 'D', 'E'});
    PlaceAtStart();
    for (auto _ : state) Keyboard_Input();
    benchmark::DoNotOptimize(objCamera);
}
BENCHMARK(KeyboardWalkingAndStrafing);

void MouseStill(benchmark::State& state) {
    SetHeld({});
    PlaceAtStart();
    for (auto _ : state) objCamera.Mouse_Move(640, 480);
    benchmark::DoNotOptimize(objCamera);
}
BENCHMARK(MouseStill);

void MouseTurningAndTilting(benchmark::State& state) {
    SetHeld({});
    PlaceAtStart();
    for (auto _ : state) {
        fixedInput.cursor = POINT{323, 238};  // the pointer moved since the last pass
        objCamera.Mouse_Move(640, 480);
    }
    benchmark::DoNotOptimize(objCamera);
}
BENCHMARK(MouseTurningAndTilting);

}  // namespace

BENCHMARK_MAIN();
