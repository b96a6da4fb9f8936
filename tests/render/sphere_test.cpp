// The project's own sphere against freeglut's: the same triangles, read back
// from the GL with feedback, and the same whole frames, drawn by this
// program with its own sphere and by the program with GLUT's.
#include "render/sphere.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "camera/camera.h"
#include "render/render.h"
#include "shell/win32.h"
#include "tests/render/gl_window.h"

namespace {

void InitGlutOnce() {
    static bool done = false;
    if (done) return;
    int argc = 1;
    char name[] = "sphere_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    done = true;
}

// What a sphere hands the GL, as feedback: every triangle in order, each
// corner with its object position (first pass) or its normal (second pass)
// in its texture coordinates. Window coordinates come back rounded; texture
// coordinates generated from the object position, or from the normal under
// an identity model-view matrix, come back exactly.
std::vector<GLfloat> Recorded(void (*sphere)(GLdouble, GLint, GLint), GLdouble radius, GLint slices, GLint stacks) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glScalef(0.125f, 0.125f, 0.125f);  // the whole sphere inside the clip volume, so nothing is cut
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLuint texture = 0;
    const GLubyte white[4] = {255, 255, 255, 255};
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glEnable(GL_TEXTURE_2D);  // feedback reports texture coordinates only while texturing

    std::vector<GLfloat> recorded;
    const GLenum coordinates[3] = {GL_S, GL_T, GL_R};
    const GLenum generated[3] = {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R};
    for (GLint mode : {GL_OBJECT_LINEAR, GL_NORMAL_MAP}) {
        for (int i = 0; i < 3; ++i) {
            GLfloat plane[4] = {0, 0, 0, 0};
            plane[i] = 1;
            glTexGeni(coordinates[i], GL_TEXTURE_GEN_MODE, mode);
            glTexGenfv(coordinates[i], GL_OBJECT_PLANE, plane);
            glEnable(generated[i]);
        }
        std::vector<GLfloat> buffer(35 * 2 * static_cast<std::size_t>(slices) * stacks + 35);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
        glRenderMode(GL_FEEDBACK);
        sphere(radius, slices, stacks);
        const GLint used = glRenderMode(GL_RENDER);
        EXPECT_GT(used, 0) << "feedback buffer too small";
        // Each entry: token, count 3, then per corner x y z, r g b a, s t r q.
        for (GLint i = 0; i + 35 <= used; i += 35) {
            EXPECT_EQ(buffer[i], GLfloat(GL_POLYGON_TOKEN));
            EXPECT_EQ(buffer[i + 1], 3.0f);
            for (int corner = 0; corner < 3; ++corner)
                recorded.insert(recorded.end(), &buffer[i + 2 + 11 * corner + 7], &buffer[i + 2 + 11 * corner + 10]);
        }
    }
    glDisable(GL_TEXTURE_2D);
    glDeleteTextures(1, &texture);
    return recorded;
}

struct Tessellation {
    GLdouble radius;
    GLint slices, stacks;
};

void PrintTo(const Tessellation& t, std::ostream* out) {
    *out << "radius " << t.radius << ", " << t.slices << " slices, " << t.stacks << " stacks";
}

class SameTriangles : public ::testing::TestWithParam<Tessellation> {
protected:
    GlWindow window{64, 64};
};

TEST_P(SameTriangles, AsGlutPositionForPositionNormalForNormalInTheSameOrder) {
    const Tessellation t = GetParam();
    InitGlutOnce();
    const std::vector<GLfloat> glut = Recorded(glutSolidSphere, t.radius, t.slices, t.stacks);
    const std::vector<GLfloat> own = Recorded(SolidSphere, t.radius, t.slices, t.stacks);

    // Two caps of `slices` strips' worth and `stacks` - 2 bands, two
    // triangles per slice each: 2 * slices * stacks triangles, in two passes.
    ASSERT_EQ(glut.size(), 2u * 2 * t.slices * t.stacks * 9);
    ASSERT_EQ(own.size(), glut.size());
    for (std::size_t i = 0; i < glut.size(); ++i) {
        if (std::memcmp(&own[i], &glut[i], sizeof(GLfloat)) == 0) continue;
        const std::size_t triangle = i / 9 % (glut.size() / 18);
        FAIL() << (i < glut.size() / 2 ? "position" : "normal") << " of triangle " << triangle << ", corner "
               << i % 9 / 3 << ", axis " << i % 3 << ": " << std::hexfloat << own[i] << " is not " << glut[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Spheres, SameTriangles,
                         ::testing::Values(Tessellation{1.5, 500, 10},  // the scene's
                                           Tessellation{1.0, 4, 3}, Tessellation{0.3, 7, 5}, Tessellation{2.7, 97, 31},
                                           Tessellation{1.1, 1000, 60}));

TEST(OwnSphere, LeavesTheCurrentColourAndNormalAsGlutDoes) {
    GlWindow window(64, 64);
    glColor3f(1, 0, 1);
    glNormal3f(0.25f, 0.5f, 0.75f);

    SolidSphere(1.5, 500, 10);

    GLfloat colour[4], normal[3];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    EXPECT_TRUE(colour[0] == 1 && colour[1] == 0 && colour[2] == 1);
    EXPECT_TRUE(normal[0] == 0.25f && normal[1] == 0.5f && normal[2] == 0.75f);
}

struct Viewpoint {
    const char* name;
    float eye[3], centre[3];
};

void PrintTo(const Viewpoint& v, std::ostream* out) { *out << v.name; }

class SameFrames : public ::testing::TestWithParam<Viewpoint> {};

// Frames agree pixel for pixel: both spheres hand the GL the same triangles
// in the same order, and llvmpipe draws the same triangles the same way.
TEST_P(SameFrames, AsTheProgramWithGlutsSphere) {
    const Viewpoint pose = GetParam();
    const std::string path = ::testing::TempDir() + "glut_frame_" + pose.name + ".ppm";
    std::string command = std::string(RENDER_FRAME) + " " + path;
    for (float v : pose.eye) command += " " + std::to_string(v);
    for (float v : pose.centre) command += " " + std::to_string(v);
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const Frame glut = Frame::LoadPpm(path);
    std::remove(path.c_str());

    GlWindow window(640, 480);
    ReSizeGLScene(640, 480);
    InitGL();
    objCamera.Position_Camera(pose.eye[0], pose.eye[1], pose.eye[2], pose.centre[0], pose.centre[1], pose.centre[2], 0,
                              1, 0);
    DrawGLScene();
    const Frame own = window.ReadBack();

    int differing = 0, sphere = 0;
    for (int y = 0; y < own.height; ++y) {
        for (int x = 0; x < own.width; ++x) {
            const Rgb a = own.At(x, y), b = glut.At(x, y);
            differing += a.r != b.r || a.g != b.g || a.b != b.b;
            sphere += a.r == 255 && a.g == 0 && a.b == 255;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(sphere, 2000) << "too little of the sphere in view to tell";
}

// std::to_string prints six decimals: these poses survive that exactly.
INSTANTIATE_TEST_SUITE_P(Poses, SameFrames,
                         ::testing::Values(Viewpoint{"Start", {0, 2.5f, 5}, {0, 2.5f, 0}},
                                           Viewpoint{"BehindTheCube", {0, 2.5f, -8}, {0, 2.5f, -7}},
                                           Viewpoint{"CloseInFront", {0, 1.25f, 3.25f}, {0, 1, 0}},
                                           Viewpoint{"CloseFromAboveRight", {2.25f, 2.75f, 1.5f}, {0, 1, 0}},
                                           Viewpoint{"FromBelow", {1.5f, -1.5f, 2.5f}, {0, 1, 0}}),
                         [](const ::testing::TestParamInfo<Viewpoint>& info) { return std::string(info.param.name); });

}  // namespace
