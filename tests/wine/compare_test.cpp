// The Windows build and the Linux build draw the same frame.
#include <chrono>
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

#include "tests/e2e/frames/frame_checks.h"
#include "tests/e2e/support/viewer_session.h"
#include "tests/wine/wine_viewer.h"

namespace {

// The pixels of two client areas that differ in any channel.
int Differing(const Image& a, Area inA, const Image& b, Area inB) {
    int differing = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            Rgb p = a.At(inA.x + x, inA.y + y), q = b.At(inB.x + x, inB.y + y);
            if (p.r != q.r || p.g != q.g || p.b != q.b) ++differing;
        }
    return differing;
}

}  // namespace

// Both builds hand the same triangles to the same Mesa rasteriser: the
// Windows build's own sphere is vertex for vertex freeglut's, and its depth
// buffer has 16 bits where the Linux build's has more. A pixel may change
// only where two surfaces meet at equal depth within 16 bits' resolution,
// so at most a few hundred of the 307,200 may differ; a shifted pose or a
// wrong sphere changes thousands.
TEST(WindowsAndLinux, DrawTheSameStartFrame) {
    std::string missing = WhatIsMissing();
    ASSERT_TRUE(missing.empty()) << missing;

    ViewerSession onLinux("1024x768x24");
    onLinux.StartViewer();
    ASSERT_TRUE(onLinux.Ready());
    ASSERT_TRUE(onLinux.Answer(kStartQuestion, "Escape"));
    ::Window linuxWindow = onLinux.WaitForViewerWindow();
    ASSERT_NE(linuxWindow, None);
    Area linuxClient = onLinux.x.ClientArea(linuxWindow);
    Image linuxFrame = onLinux.SettledScreenshot("compare-linux");

    ViewerSession onWindows("1024x768x24");
    WineViewer wine(onWindows.display.Name());
    ASSERT_TRUE(wine.Started());
    ASSERT_TRUE(onWindows.Answer(kStartQuestion, "n"));
    ::Window windowsWindow = onWindows.x.WaitForWindow(kViewerTitle, 30);
    ASSERT_NE(windowsWindow, None);
    Area windowsClient = onWindows.x.ClientArea(windowsWindow);
    ASSERT_EQ(windowsClient.width, 640);
    ASSERT_EQ(windowsClient.height, 480);
    std::this_thread::sleep_for(std::chrono::seconds(1));  // a few frames drawn
    Image windowsFrame = onWindows.x.Screenshot();
    SavePpm(windowsFrame, std::string(TESSALINE_SHOTS_DIR) + "/compare-windows.ppm");

    int differing = Differing(linuxFrame, linuxClient, windowsFrame, windowsClient);
    RecordProperty("differing_pixels", differing);
    std::printf("pixels differing between the Windows and Linux frames: %d of 307200\n", differing);
    EXPECT_LE(differing, 300) << differing << " pixels differ";
    EXPECT_TRUE(CheckStartFrame(windowsFrame, windowsClient.x, windowsClient.y).Matches());
}
