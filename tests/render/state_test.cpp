// The GL state InitGL gives a context, and the viewport and projection
// ReSizeGLScene sets, read back from a real context.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "camera/camera.h"
#include "render/render.h"
#include "shell/win32.h"
#include "tests/render/gl_window.h"

namespace {

GLint Integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

struct Viewport {
    GLint x, y, width, height;
};

Viewport CurrentViewport() {
    Viewport v;
    glGetIntegerv(GL_VIEWPORT, &v.x);
    return v;
}

void ExpectFloats(const GLfloat* actual, std::initializer_list<GLfloat> expected, const char* what) {
    int i = 0;
    for (GLfloat e : expected) EXPECT_EQ(actual[i++], e) << what << "[" << i - 1 << "]";
}

bool IsIdentity(const GLfloat* m) {
    for (int i = 0; i < 16; ++i)
        if (m[i] != (i % 5 == 0 ? 1.0f : 0.0f)) return false;
    return true;
}

class GlState : public ::testing::Test {
protected:
    GlWindow window{640, 480};
};

TEST_F(GlState, TheContextHasTheSixteenBitDepthBufferTheProgramAsksFor) {
    EXPECT_EQ(Integer(GL_DEPTH_BITS), 16);
    EXPECT_TRUE(Integer(GL_DOUBLEBUFFER));
    EXPECT_TRUE(Integer(GL_RGBA_MODE));
    EXPECT_EQ(Integer(GL_RED_BITS), 8);
}

// Capabilities the GL starts with disabled; InitGL turns on only depth testing.
const GLenum kOffByDefault[] = {GL_LIGHTING, GL_LIGHT0,     GL_CULL_FACE,    GL_COLOR_MATERIAL,
                                GL_BLEND,    GL_ALPHA_TEST, GL_STENCIL_TEST, GL_SCISSOR_TEST,
                                GL_FOG,      GL_NORMALIZE,  GL_TEXTURE_2D,   GL_POLYGON_OFFSET_FILL};

TEST_F(GlState, InitGlTurnsOnDepthTestingWithLessOrEqualAndNothingElse) {
    ReSizeGLScene(640, 480);
    EXPECT_EQ(InitGL(), 1);

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(Integer(GL_DEPTH_FUNC), GL_LEQUAL);
    for (GLenum capability : kOffByDefault)
        EXPECT_FALSE(glIsEnabled(capability)) << "capability 0x" << std::hex << capability;
    EXPECT_EQ(Integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(Integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(GlState, InitGlSetsTheClearValuesAndTheLightAndMaterialWhateverTheyWere) {
    // Values unlike the ones InitGL stores, and unlike the GL's defaults.
    const GLfloat grey[] = {0.25f, 0.25f, 0.25f, 0.25f};
    const GLfloat three[] = {3.0f};
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClearDepth(0.25);
    glShadeModel(GL_FLAT);
    glDepthFunc(GL_GREATER);
    glMaterialfv(GL_FRONT, GL_SPECULAR, grey);
    glMaterialfv(GL_FRONT, GL_SHININESS, three);
    glLightfv(GL_LIGHT0, GL_POSITION, grey);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, grey);
    glLightfv(GL_LIGHT0, GL_SPECULAR, grey);
    ReSizeGLScene(640, 480);

    InitGL();

    GLfloat values[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, values);
    ExpectFloats(values, {0.0f, 0.0f, 0.0f, 0.5f}, "clear colour");
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, values);
    EXPECT_EQ(values[0], 1.0f) << "clear depth";
    EXPECT_EQ(Integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(Integer(GL_DEPTH_FUNC), GL_LEQUAL);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, values);
    ExpectFloats(values, {1.0f, 1.0f, 1.0f, 1.0f}, "material specular");
    glGetMaterialfv(GL_FRONT, GL_SHININESS, values);
    EXPECT_EQ(values[0], 10.0f) << "shininess";
    // Given under the identity model-view matrix, so stored as given.
    glGetLightfv(GL_LIGHT0, GL_POSITION, values);
    ExpectFloats(values, {0.0f, 100.0f, 0.0f, 0.0f}, "light position");
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, values);
    ExpectFloats(values, {1.0f, 1.0f, 1.0f, 1.0f}, "light diffuse");
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, values);
    ExpectFloats(values, {1.0f, 1.0f, 1.0f, 1.0f}, "light specular");
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

TEST_F(GlState, InitGlPutsTheCameraAtTheStartPoseWhateverItWasBefore) {
    const float before[][9] = {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {-7, 3, 11, 40, -2, 0.5f, 1, 0, 0}};
    for (const float* p : before) {
        objCamera.Position_Camera(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8]);
        InitGL();
        const tVector3 pos = objCamera.pos, view = objCamera.view, up = objCamera.up;
        EXPECT_TRUE(pos.x == 0 && pos.y == 2.5f && pos.z == 5) << pos.x << ", " << pos.y << ", " << pos.z;
        EXPECT_TRUE(view.x == 0 && view.y == 2.5f && view.z == 0) << view.x << ", " << view.y << ", " << view.z;
        EXPECT_TRUE(up.x == 0 && up.y == 1 && up.z == 0) << up.x << ", " << up.y << ", " << up.z;
    }
}

TEST_F(GlState, AFrameLeavesTheStateAsItFoundIt) {
    ReSizeGLScene(640, 480);
    InitGL();

    DrawGLScene();

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    for (GLenum capability : kOffByDefault)
        EXPECT_FALSE(glIsEnabled(capability)) << "capability 0x" << std::hex << capability;
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    GLfloat offset[2];
    glGetFloatv(GL_POLYGON_OFFSET_FACTOR, &offset[0]);
    glGetFloatv(GL_POLYGON_OFFSET_UNITS, &offset[1]);
    EXPECT_EQ(offset[0], 0.0f);
    EXPECT_EQ(offset[1], 0.0f);
    EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(Integer(GL_ATTRIB_STACK_DEPTH), 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The projection gluPerspective(45, aspect, 0.1f, 100) makes, worked out
// by hand: column-major, as the GL reports it.
void ExpectPerspective(const GLfloat* m, double aspect) {
    const double pi = 3.14159265358979323846;
    const double f = 1.0 / std::tan(22.5 * pi / 180), n = double(0.1f), far = 100.0;
    const double expected[16] = {
        f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + n) / (n - far), -1, 0, 0, 2 * far * n / (n - far), 0};
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-6 * std::fabs(expected[i])) << "entry " << i;
}

struct ResizeCase {
    int width, height;
    Viewport viewport;
    double aspect;  // float(width) / float(height), height 0 counted as 1
};

class Resize : public GlState, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(Resize, SetsViewportAndPerspectiveAndLeavesAnIdentityModelView) {
    const ResizeCase c = GetParam();
    // Leave the projection matrix current and the model-view one scrambled.
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    glMatrixMode(GL_PROJECTION);

    ReSizeGLScene(c.width, c.height);

    const Viewport v = CurrentViewport();
    EXPECT_EQ(v.x, c.viewport.x);
    EXPECT_EQ(v.y, c.viewport.y);
    EXPECT_EQ(v.width, c.viewport.width);
    EXPECT_EQ(v.height, c.viewport.height);
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    ExpectPerspective(m, c.aspect);
    EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_TRUE(IsIdentity(m));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Resize,
                         ::testing::Values(ResizeCase{640, 480, {0, 0, 640, 480}, double(640.0f / 480.0f)},
                                           ResizeCase{800, 600, {0, 0, 800, 600}, double(800.0f / 600.0f)},
                                           ResizeCase{300, 700, {0, 0, 300, 700}, double(300.0f / 700.0f)},
                                           // A zero height counts as 1: the aspect is the width.
                                           ResizeCase{640, 0, {0, 0, 640, 1}, 640.0},
                                           ResizeCase{1, 0, {0, 0, 1, 1}, 1.0}));

TEST_F(GlState, ResizeToZeroWidthIsToleratedAndLeavesNoNonsenseMatrix) {
    ReSizeGLScene(0, 480);

    const Viewport v = CurrentViewport();
    EXPECT_EQ(v.width, 0);
    EXPECT_EQ(v.height, 480);
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    for (GLfloat entry : m) EXPECT_TRUE(std::isfinite(entry));
    EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_TRUE(IsIdentity(m));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(GlState, ResizeWithNoCurrentContextHasNoEffectAndDoesNotFail) {
    ReSizeGLScene(640, 480);
    GLfloat before[16];
    glGetFloatv(GL_PROJECTION_MATRIX, before);

    window.ReleaseContext();
    ReSizeGLScene(320, 0);
    ReSizeGLScene(0, 0);
    window.MakeCurrent();

    const Viewport v = CurrentViewport();
    EXPECT_EQ(v.width, 640);
    EXPECT_EQ(v.height, 480);
    GLfloat after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    EXPECT_EQ(std::memcmp(before, after, sizeof before), 0);
    EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
}

}  // namespace
