// Colours as a frame holds them, 8 bits a channel, and the scene's own.
#ifndef TESSALINE_TESTS_SCENE_COLOUR_H
#define TESSALINE_TESTS_SCENE_COLOUR_H

#include <string>

struct Rgb {
    int r, g, b;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// The scene's colours as 8-bit values; 0.5 lands on 127 or 128.
namespace colour {
const Rgb kBlack = {0, 0, 0};
const Rgb kGrid = {150, 190, 150};
const Rgb kMagenta = {255, 0, 255};
const Rgb kYellow = {255, 255, 0};
const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};
const Rgb kOrange = {255, 128, 0};
const Rgb kBlue = {0, 0, 255};
const Rgb kDarkGreen = {0, 102, 0};  // path 1's side triangles, 0.4
const Rgb kMidGreen = {0, 128, 0};   // paths 2 and 3, 0.5
}  // namespace colour

// Equal within `tolerance` per channel. One step is how far a colour given
// in floats may land from the nearest 8-bit value.
bool Near(Rgb a, Rgb b, int tolerance = 1);
std::string Describe(Rgb c);

#endif  // TESSALINE_TESTS_SCENE_COLOUR_H
