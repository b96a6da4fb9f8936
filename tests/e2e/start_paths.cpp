#include "tests/e2e/start_paths.h"

namespace {

const Rgb kMidGreen = {0, 128, 0}, kMagenta = {255, 0, 255}, kRed = {255, 0, 0};

}  // namespace

const std::vector<Probe> kStartView = {
    {318, 234, 4, 2, kMidGreen, "above the sphere's top"}, {318, 246, 4, 2, kMagenta, "below it"},
    {300, 260, 40, 40, kMagenta, "the sphere"}, {440, 306, 1, 1, kMidGreen, "above the front face's top"},
    {440, 314, 1, 1, kRed, "below it"}, {169, 350, 1, 1, kMagenta, "left of the front face's left edge"},
    {181, 350, 1, 1, kRed, "right of it"}, {600, 440, 10, 10, kMidGreen, "a side triangle"}};

TEST_P(StartPaths, EndInTheStartViewOrWithExitCodeOne) {
    const StartPath& path = GetParam();
    Viewer viewer(path.start, path.screen);
    for (const Answer& answer : path.answers)
        ASSERT_TRUE(viewer.Answer(answer.caption, answer.yes)) << "no box " << answer.caption << viewer.Errors();
    if (path.exitCode == 0) {
        const std::string window = viewer.WaitForWindow();
        ASSERT_NE(window, "") << viewer.Errors();
        // A 16-bit screen holds 5 or 6 bits of a channel.
        EXPECT_EQ(FailedProbes(kStartView, viewer.Shot(window), 9), "");
        // Only the Linux build's window sits at the corner: Wine frames it.
        const std::string geometry = viewer.Xdotool("getwindowgeometry " + window);
        EXPECT_TRUE(path.start == Start::Wine || geometry.find("Position: 0,0 ") != std::string::npos) << geometry;
        EXPECT_TRUE(path.start == Start::Wine || viewer.SwapInterval() == 1);
        // The pointer is pinned and its moves turn the view (by how much:
        // Windowed.APointerMove..., since Wine may read a move twice).
        EXPECT_TRUE(viewer.MovePointerAndWaitForItBack(380, 160));
        EXPECT_NE(FailedProbes(kStartView, viewer.Shot(window), 9), "");
        viewer.Xdotool("key Escape");
    }
    EXPECT_EQ(viewer.Exit(10), path.exitCode) << viewer.Errors();
}
