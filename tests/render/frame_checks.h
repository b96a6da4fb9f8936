// Drawing frames with the program's code and checking them against the
// model of the scene.
#ifndef TESSALINE_TESTS_RENDER_FRAME_CHECKS_H
#define TESSALINE_TESTS_RENDER_FRAME_CHECKS_H

#include <gtest/gtest.h>

#include <functional>

#include "tests/render/gl_window.h"
#include "tests/scene/model_frame.h"

// A 640 x 480 window, as the program opens, with InitGL done.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Puts the camera at eye, looking at centre, with up (0, 1, 0).
    void LookFrom(Vec3 eye, Vec3 centre);
    // Draws a frame from wherever the camera is and reads it back.
    Frame Draw();
    // The model of the frame from wherever the camera is.
    ModelFrame Model() const;

    GlWindow window{640, 480};
};

// Every pixel the model is sure of, among the parts chosen, has the colour
// the model expects. At least `fewest` pixels must be checked.
::testing::AssertionResult MatchesModel(
    const Frame& frame, const ModelFrame& model, int fewest,
    const std::function<bool(Part)>& chosen = [](Part) { return true; });

// The world point lands on a pixel where the model is sure to see `part`
// in `colour`, and the frame shows that colour there.
void ExpectSeenAt(const Frame& frame, const ModelFrame& model, Vec3 point, Part part, Rgb colour, const char* what);

// A grid line runs through the pixel a ground point in front of the far
// plane lands on, or through one next to it.
void ExpectGridLineAt(const Frame& frame, const ModelFrame& model, Vec3 ground);
// Around the pixel a ground point beyond the far plane lands on, all is black.
void ExpectNoGridAt(const Frame& frame, const ModelFrame& model, Vec3 ground);

#endif  // TESSALINE_TESTS_RENDER_FRAME_CHECKS_H
