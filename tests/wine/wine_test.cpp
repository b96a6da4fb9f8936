// The Windows build under Wine, driven and checked as the Linux build is.
#include "tests/e2e/start_paths.h"

namespace {

const char* const kQuestion = "Start FullScreen?";

// Wine refuses 640 x 480 on a 1024 x 768 screen.
INSTANTIATE_TEST_SUITE_P(
    Wine, StartPaths,
    ::testing::Values(StartPath{"NoGivesAWindow", Start::Wine, "1024x768x24", {{kQuestion, false}}, 0},
                      StartPath{"RefusedModeThenNoEndsWithOne", Start::Wine, "1024x768x24",
                                {{kQuestion, true}, {"OPENGL", false}, {"ERROR", true}}, 1}),
    [](const ::testing::TestParamInfo<StartPath>& info) { return std::string(info.param.name); });

}  // namespace
