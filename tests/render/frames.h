// Frames drawn with the program's own code into memory, by Mesa's
// off-screen renderer with the 16-bit depth buffer the program asks for,
// and checked through probes: blocks of pixels whose colour follows from
// projecting a chosen world point by hand (gluLookAt, then 579.4 pixels per
// unit of x or y over depth). Frames are 640 x 480, RGB rows from the top.
#ifndef TESSALINE_TESTS_RENDER_FRAMES_H
#define TESSALINE_TESTS_RENDER_FRAMES_H

#include <GL/osmesa.h>

#include <array>
#include <string>
#include <vector>

using Rgb = std::array<int, 3>;

// Every pixel of [x, x + w) x [y, y + h) has the colour, or, for a line
// thinner than the block, at least one does.
struct Probe {
    int x, y, w, h;
    Rgb colour;
    const char* what;
    bool anyPixel = false;
};

// The probes that do not hold, one line each; empty when all hold.
std::string FailedProbes(const std::vector<Probe>& probes, const std::string& frame, int tolerance);

// A GL context, current while it lasts, that draws into a frame in memory
// (640 x 480 unless asked; the pictures draw larger ones).
struct GlContext {
    explicit GlContext(int width = 640, int height = 480);
    ~GlContext();
    // One frame of the scene from the start pose, or from a pose given as
    // gluLookAt's eye, centre and up.
    const std::string& Draw(const float* pose = nullptr);

    int width, height;
    OSMesaContext context;
    std::string rgba, frame;
};

#endif  // TESSALINE_TESTS_RENDER_FRAMES_H
