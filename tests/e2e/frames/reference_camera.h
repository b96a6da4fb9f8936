// An independent model of the camera for long randomised comparisons. It
// keeps its state in doubles and rounds every operation to single precision
// explicitly. Double has more than twice float's precision plus two bits, so
// one rounding after each exact-in-double operation equals the float
// operation, while a fused multiply-add, a float overload of sin or cos, or a
// reordered sum in the code under test gives a different bit pattern.
#ifndef TESSALINE_TESTS_E2E_FRAMES_REFERENCE_CAMERA_H
#define TESSALINE_TESTS_E2E_FRAMES_REFERENCE_CAMERA_H

#include <set>

struct ReferencePose {
    double pos[3], view[3], up[3];  // x, y, z; each holds a float value
};

struct ReferenceInput {
    std::set<int> held;  // virtual-key codes
    long cursorX, cursorY;
};

// One idle pass: the keyboard poll, then mouse-look with a 640 x 480 window.
void ReferencePass(ReferencePose& pose, const ReferenceInput& input);

// Turns view about the vertical through pos by angle, as Rotate_View does.
void ReferenceTurn(ReferencePose& pose, float angle);

#endif  // TESSALINE_TESTS_E2E_FRAMES_REFERENCE_CAMERA_H
