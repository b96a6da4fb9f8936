#include "tests/e2e/frames/image.h"

#include <cstdio>

Rgb Image::At(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return Rgb{p[0], p[1], p[2]};
}

void Image::Set(int x, int y, Rgb colour) {
    uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    p[0] = static_cast<uint8_t>(colour.r);
    p[1] = static_cast<uint8_t>(colour.g);
    p[2] = static_cast<uint8_t>(colour.b);
}

bool SavePpm(const Image& image, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
    size_t written = std::fwrite(image.rgb.data(), 1, image.rgb.size(), file);
    return std::fclose(file) == 0 && written == image.rgb.size();
}
