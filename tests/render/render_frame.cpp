// Draws one frame with the program's own code and writes it as a binary PPM
// ("-" for standard output). Without a pose it draws the start pose; with
// one, the camera looks from the eye to the centre with up (0, 1, 0).
//
//   render_frame OUT [EYE_X EYE_Y EYE_Z CENTRE_X CENTRE_Y CENTRE_Z]
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "camera/camera.h"
#include "render/render.h"
#include "tests/render/gl_window.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 8) {
        std::fprintf(stderr, "usage: %s OUT [EYE_X EYE_Y EYE_Z CENTRE_X CENTRE_Y CENTRE_Z]\n", argv[0]);
        return 2;
    }
    try {
        GlWindow window(640, 480);
        ReSizeGLScene(640, 480);
        InitGL();
        if (argc == 8) {
            float v[6];
            for (int i = 0; i < 6; ++i) v[i] = std::strtof(argv[2 + i], nullptr);
            objCamera.Position_Camera(v[0], v[1], v[2], v[3], v[4], v[5], 0, 1, 0);
        }
        DrawGLScene();
        window.ReadBack().SavePpm(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render_frame: %s\n", e.what());
        return 1;
    }
    return 0;
}
