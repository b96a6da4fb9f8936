// Draws one frame with the program's own code and writes it to standard
// output as a binary PPM: the start pose, or the camera at the eye looking
// at the centre with up +y; 640 x 480, or as large as asked. The pictures
// in docs/ and the icons are made with it.
//
//   render_frame [EYE_X EYE_Y EYE_Z CENTRE_X CENTRE_Y CENTRE_Z [WIDTH HEIGHT]]
#include <cstdio>
#include <cstdlib>

#include "tests/render/frames.h"

int main(int argc, char** argv) {
    if (argc != 1 && argc != 7 && argc != 9) return 2;
    const int width = argc == 9 ? std::atoi(argv[7]) : 640, height = argc == 9 ? std::atoi(argv[8]) : 480;
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return 2;
    GlContext gl(width, height);
    float pose[9] = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 6 && argc > 1; ++i) pose[i] = std::strtof(argv[1 + i], nullptr);
    const std::string& frame = gl.Draw(argc > 1 ? pose : nullptr);
    std::printf("P6\n%d %d\n255\n", gl.width, gl.height);
    return std::fwrite(frame.data(), 1, frame.size(), stdout) == frame.size() ? 0 : 1;
}
