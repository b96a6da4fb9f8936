// The ways a start can go, for either build: the boxes answered in turn,
// then the start view in a window and Escape, or an exit code of 1.
#ifndef TESSALINE_TESTS_E2E_START_PATHS_H
#define TESSALINE_TESTS_E2E_START_PATHS_H

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/e2e/viewer.h"
#include "tests/render/probes.h"

// From the start pose, as every new window shows: eye (0, 2.5, 5) looking
// along -z, inside the fan of path 2's side triangles. The sphere's top
// touches the horizon; the cube's front face (z = 1) tops out at row 312.4.
extern const std::vector<Probe> kStartView;

struct Answer {
    const char* caption;
    bool yes;
};

struct StartPath {
    const char* name;
    Start start;
    const char* screen;
    std::vector<Answer> answers;
    int exitCode;  // 0: the start view shows in a window until Escape
};

inline void PrintTo(const StartPath& path, std::ostream* out) { *out << path.name; }

class StartPaths : public ::testing::TestWithParam<StartPath> {};

#endif  // TESSALINE_TESTS_E2E_START_PATHS_H
