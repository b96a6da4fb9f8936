// The program's drawing with a 16-bit depth buffer: frames from chosen poses
// checked through probes, the projection and state read back, and the
// project's own sphere against freeglut's.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "render/render.h"
#include "render/sphere.h"
#include "tests/render/frames.h"

// What ReSizeGLScene last handed gluPerspective.
std::array<GLdouble, 4> perspective;
extern "C" void __real_gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
extern "C" void __wrap_gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    perspective = {fovy, aspect, zNear, zFar};
    __real_gluPerspective(fovy, aspect, zNear, zFar);
}

namespace {

const Rgb kBlack = {0, 0, 0}, kGreen = {0, 255, 0}, kMidGreen = {0, 128, 0}, kDarkGreen = {0, 102, 0},
          kGrid = {150, 190, 150}, kMagenta = {255, 0, 255};

struct View {
    const char* name;
    float pose[9];  // eye, centre, up
    std::vector<Probe> probes;
};

// From either end of the grid, 40 short of it: the last line is at 500,
// nothing but the clear colour lies beyond, and the lines are 5 apart.
const std::vector<Probe> kGridEnd = {{140, 274, 1, 5, kGrid, "the line at 500", true},
                                     {0, 244, 640, 30, kBlack, "beyond the last line"},
                                     {140, 279, 1, 4, kGrid, "the line at 495", true},
                                     {300, 284, 1, 3, kBlack, "between 495 and 490"}};

const View kViews[] = {
    {"WholeEmblem", {0, 1, 38, 0, 1, 37, 0, 1, 0},
     {{152, 124, 5, 5, kBlack, "face 2 at (-8, 6.5, 10)"}, {109, 120, 1, 12, kGreen, "face 1 left of face 2's edge"},
      {117, 120, 1, 12, kBlack, "face 2 right of its edge"}, {303, 228, 12, 24, kBlack, "face 4"},
      {310, 215, 4, 1, kGreen, "face 3 above face 4"}, {310, 223, 4, 1, kBlack, "face 4 below its top"},
      {442, 352, 5, 5, kGreen, "face 5"}, {525, 352, 5, 5, kBlack, "face 6"},
      {546, 314, 3, 3, kGreen, "the closing triangle at the notch"}, {546, 411, 3, 3, kGreen, "the other one"},
      {294, 139, 4, 4, kDarkGreen, "a side triangle of path 1"}, {366, 206, 4, 4, kMidGreen, "one of path 2"},
      {425, 416, 3, 3, kBlack, "beside path 3's fan, below face 5"}}},
    // Close and oblique, where a 16-bit depth buffer lets the green under a
    // black face or a closing triangle through in speckles unless each layer
    // is pulled nearer than the one under it.
    {"FaceFourFromTheLeft", {0, 2.5f, 5, -0.4f, 2, 10, 0, 1, 0}, {{280, 245, 105, 210, kBlack, "face 4"}}},
    {"FaceFourFromBelow", {0, 2.5f, 5, 0.3f, 2.9f, 10, 0, 1, 0}, {{360, 350, 110, 125, kBlack, "face 4"}}},
    {"ClosingTrianglesOverFaceSix", {14, -6, 13, 11, -5.5f, 10, 0, 1, 0},
     {{270, 3, 120, 10, kGreen, "the closing triangle at the notch"}, {290, 468, 100, 12, kGreen, "the other one"}}},
    // The side triangles' fan from the side: its lower edge runs from the
    // apex (2, 9, -15) to the corner (11, -10, 10).
    {"FanFromTheSide", {40, 2, -2, 0, 2, -2, 0, 1, 0},
     {{296, 304, 3, 1, kMidGreen, "inside the fan's lower edge"}, {306, 304, 3, 1, kBlack, "outside it"}}},
    {"GridEndAtPlus500", {0, 2.5f, 460, 0, 2.5f, 461, 0, 1, 0}, kGridEnd},
    {"GridEndAtMinus500", {0, 2.5f, -460, 0, 2.5f, -461, 0, 1, 0}, kGridEnd},
    // Inside the cube, from (0.3, 1.3, 0.6), every face fills the view; the
    // front one is 0.4 away, nearer than any near plane but the program's.
    {"InsideRight", {0.3f, 1.3f, 0.6f, 1.3f, 1.3f, 0.6f, 0, 1, 0}, {{300, 220, 40, 40, kMagenta, "the face"}}},
    {"InsideLeft", {0.3f, 1.3f, 0.6f, -0.7f, 1.3f, 0.6f, 0, 1, 0}, {{300, 220, 40, 40, {0, 0, 255}, "the face"}}},
    {"InsideFront", {0.3f, 1.3f, 0.6f, 0.3f, 1.3f, 1.6f, 0, 1, 0}, {{300, 220, 40, 40, {255, 0, 0}, "the face"}}},
    {"InsideBack", {0.3f, 1.3f, 0.6f, 0.3f, 1.3f, -0.4f, 0, 1, 0}, {{300, 220, 40, 40, {255, 255, 0}, "the face"}}},
    {"InsideTop", {0.3f, 1.3f, 0.6f, 0.3f, 2.3f, 0.6f, 0, 0, -1}, {{300, 220, 40, 40, kGreen, "the face"}}},
    {"InsideBottom", {0.3f, 1.3f, 0.6f, 0.3f, 0.3f, 0.6f, 0, 0, -1}, {{300, 220, 40, 40, {255, 128, 0}, "the face"}}},
};

TEST(Frames, ShowWhatTheProbesExpect) {
    GlContext gl;
    for (const View& view : kViews) EXPECT_EQ(FailedProbes(view.probes, gl.Draw(view.pose), 2), "") << view.name;
}

// A height of 0 counts as 1. (A matrix mode left at the projection, or a
// projection not reset, shows in every frame; so does a depth test that lets
// no black face through over the green in its plane.)
TEST(Projection, FitsTheWindowWithAHeightOfZeroCountedAsOne) {
    GlContext gl;
    // The aspect is a float quotient and the near plane the float 0.1, each
    // widened to double.
    // A height, the viewport's and the aspect.
    const std::tuple<int, int, GLdouble> cases[] = {{480, 480, 1.3333333730697632}, {0, 1, 640}};
    for (const auto& [height, viewportHeight, aspect] : cases) {
        ReSizeGLScene(640, height);
        std::array<GLint, 4> viewport;
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 640, viewportHeight})) << height;
        EXPECT_EQ(perspective, (std::array<GLdouble, 4>{45, aspect, 0.10000000149011612, 100})) << height;
    }
}

// A sphere as the GL receives it, by feedback: every corner's position and
// its colour, lit along (1, -2, 3), whose components differ in size, so
// that the smallest change to any component of a normal, its sign too, shows.
std::vector<GLfloat> Fed(void (*sphere)(GLdouble, GLint, GLint)) {
    std::vector<GLfloat> buffer(500 * 10 * 2 * 23);
    const GLfloat direction[4] = {1, -2, 3, 0};
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    sphere(1.5, 500, 10);
    buffer.resize(glRenderMode(GL_RENDER));  // -1, so a throw, when the buffer overflows
    return buffer;
}

TEST(OwnSphere, HandsTheGlFreeglutsTrianglesCornerForCorner) {
    GlContext gl;
    int argc = 1;
    char name[] = "render_tests", *argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glScalef(0.5f, 0.5f, 0.5f);  // the whole sphere inside the clip volume
    const std::vector<GLfloat> glut = Fed(glutSolidSphere), own = Fed(SolidSphere);
    EXPECT_TRUE(own == glut);
}

}  // namespace
