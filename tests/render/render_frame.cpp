// Draws one frame with the program's own code and writes it to standard
// output as a binary PPM: the start pose, or the camera at the eye looking
// at the centre with up +y. The pictures in docs/ are made with it.
//
//   render_frame [EYE_X EYE_Y EYE_Z CENTRE_X CENTRE_Y CENTRE_Z]
#include <cstdio>
#include <cstdlib>

#include "tests/render/frames.h"

int main(int argc, char** argv) {
    GlContext gl;
    if (argc != 1 && argc != 7) return 2;
    float pose[9] = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 6 && argc == 7; ++i) pose[i] = std::strtof(argv[1 + i], nullptr);
    const std::string& frame = gl.Draw(argc == 7 ? pose : nullptr);
    std::printf("P6\n640 480\n255\n");
    return std::fwrite(frame.data(), 1, frame.size(), stdout) == frame.size() ? 0 : 1;
}
