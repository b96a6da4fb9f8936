// A screenshot: 8-bit RGB pixels, row by row from the top-left.
#ifndef TESSALINE_TESTS_E2E_FRAMES_IMAGE_H
#define TESSALINE_TESTS_E2E_FRAMES_IMAGE_H

#include <cstdint>
#include <string>
#include <vector>

#include "tests/scene/colour.h"

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3

    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb colour);
};

// Writes a binary PPM (any image tool reads it; `convert` makes a PNG).
bool SavePpm(const Image& image, const std::string& path);

#endif  // TESSALINE_TESTS_E2E_FRAMES_IMAGE_H
