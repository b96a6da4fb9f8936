#include "tests/render/frames.h"

#include <cstdlib>

#include "camera/camera.h"
#include "render/render.h"

std::string FailedProbes(const std::vector<Probe>& probes, const std::string& frame, int tolerance) {
    std::string failed;
    for (const Probe& p : probes) {
        int matching = 0;
        for (int y = p.y; y < p.y + p.h; ++y)
            for (int x = p.x; x < p.x + p.w; ++x) {
                const unsigned char* seen = reinterpret_cast<const unsigned char*>(&frame.at(3 * (640 * y + x)));
                matching += std::abs(seen[0] - p.colour[0]) <= tolerance && std::abs(seen[1] - p.colour[1]) <= tolerance &&
                            std::abs(seen[2] - p.colour[2]) <= tolerance;
            }
        if (matching < (p.anyPixel ? 1 : p.w * p.h))
            failed += std::string(p.what) + " at (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                      "): " + std::to_string(matching) + " pixels of " + std::to_string(p.w * p.h) + "\n";
    }
    return failed;
}

GlContext::GlContext(int width, int height)
    : width(width), height(height), context(OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr)),
      rgba(width * height * 4, '\0') {
    OSMesaMakeCurrent(context, &rgba[0], GL_UNSIGNED_BYTE, width, height);
    OSMesaPixelStore(OSMESA_Y_UP, 0);
}

GlContext::~GlContext() { OSMesaDestroyContext(context); }

const std::string& GlContext::Draw(const float* pose) {
    ReSizeGLScene(width, height);
    InitGL();
    if (pose)
        objCamera.Position_Camera(pose[0], pose[1], pose[2], pose[3], pose[4], pose[5], pose[6], pose[7], pose[8]);
    DrawGLScene();
    glFinish();
    frame.clear();
    for (size_t i = 0; i < rgba.size(); i += 4) frame.append(rgba, i, 3);
    return frame;
}
