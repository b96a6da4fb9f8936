// The model-view and projection matrices, and GLU's two calls on them, in
// single precision as Mesa keeps its matrices: GLU works out its matrices
// and glMultMatrix rounds them to float, so the same poses give the same
// frames, pixel for pixel, away from edges.
#include <GL/glu.h>

#include <cmath>

#include "shell/web/gl/gl.h"

namespace web_gl {

void Identity(Matrix& matrix) {
    for (int i = 0; i < 16; ++i) matrix.m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

namespace {

// a times b, each element summed left to right.
Matrix Product(const Matrix& a, const Matrix& b) {
    Matrix product;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            product.m[column * 4 + row] = a.m[row] * b.m[column * 4] + a.m[4 + row] * b.m[column * 4 + 1] +
                                          a.m[8 + row] * b.m[column * 4 + 2] + a.m[12 + row] * b.m[column * 4 + 3];
    return product;
}

void Normalise(GLfloat v[3]) {
    const GLfloat length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0.0f) return;
    for (int i = 0; i < 3; ++i) v[i] /= length;
}

void Cross(const GLfloat a[3], const GLfloat b[3], GLfloat result[3]) {
    result[0] = a[1] * b[2] - a[2] * b[1];
    result[1] = a[2] * b[0] - a[0] * b[2];
    result[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

void MultiplyCurrent(const Matrix& by) {
    if (!state.ready) return;
    *state.current = Product(*state.current, by);
    state.matricesChanged = true;
}

Matrix ModelViewProjection() { return Product(state.projection, state.modelView); }

}  // namespace web_gl

using namespace web_gl;

void glMatrixMode(GLenum mode) {
    if (mode == GL_MODELVIEW) state.current = &state.modelView;
    if (mode == GL_PROJECTION) state.current = &state.projection;
}

void glLoadIdentity() {
    if (!state.ready) return;
    Identity(*state.current);
    state.matricesChanged = true;
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    Matrix translation;
    Identity(translation);
    translation.m[12] = x;
    translation.m[13] = y;
    translation.m[14] = z;
    MultiplyCurrent(translation);
}

// f = cot(fovy / 2): x scaled by f / aspect, y by f, depth mapped from
// [-zNear, -zFar] onto [-1, 1] with w = -z.
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double half = fovy / 2.0 * M_PI / 180.0;
    const double depth = zFar - zNear;
    const double sine = std::sin(half);
    if (depth == 0.0 || sine == 0.0 || aspect == 0.0) return;
    const double cotangent = std::cos(half) / sine;
    Matrix perspective = {};
    perspective.m[0] = static_cast<GLfloat>(cotangent / aspect);
    perspective.m[5] = static_cast<GLfloat>(cotangent);
    perspective.m[10] = static_cast<GLfloat>(-(zFar + zNear) / depth);
    perspective.m[11] = -1.0f;
    perspective.m[14] = static_cast<GLfloat>(-2.0 * zNear * zFar / depth);
    MultiplyCurrent(perspective);
}

// The eye at the origin looking down -z: rows side, up and -forward, then
// the eye moved to the origin.
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY, GLdouble centreZ,
               GLdouble upX, GLdouble upY, GLdouble upZ) {
    GLfloat forward[3] = {GLfloat(centreX - eyeX), GLfloat(centreY - eyeY), GLfloat(centreZ - eyeZ)};
    GLfloat up[3] = {GLfloat(upX), GLfloat(upY), GLfloat(upZ)};
    GLfloat side[3];
    Normalise(forward);
    Cross(forward, up, side);
    Normalise(side);
    Cross(side, forward, up);

    Matrix view;
    Identity(view);
    for (int i = 0; i < 3; ++i) {
        view.m[i * 4] = side[i];
        view.m[i * 4 + 1] = up[i];
        view.m[i * 4 + 2] = -forward[i];
    }
    MultiplyCurrent(view);
    glTranslatef(GLfloat(-eyeX), GLfloat(-eyeY), GLfloat(-eyeZ));
}
