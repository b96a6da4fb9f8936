#ifndef TESSALINE_BENCH_FIXED_INPUT_H
#define TESSALINE_BENCH_FIXED_INPUT_H

#include "shell/win32.h"

struct FixedInput {
    bool held[256] = {};
    POINT cursor = {320, 240};
};

extern FixedInput fixedInput;

#endif  // TESSALINE_BENCH_FIXED_INPUT_H
