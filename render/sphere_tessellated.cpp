// The project's own solid sphere, for builds without GLUT. It draws the same
// triangles as freeglut 3.4's glutSolidSphere, bit for bit: the same vertices
// and normals, in the same strips, so with the same winding. That geometry
// was read back from freeglut with GL feedback, and a test keeps comparing
// the two wherever GLUT is available.
//
// Slices step around the z axis from +x towards -y; stacks step from the +z
// pole down to the -z pole. A ring vertex's normal is its direction from the
// centre and its position is that normal times the radius. A strip joins
// each ring to the next and one strip closes each pole.
#include <cmath>

#include "render/sphere.h"

namespace {

const double kPi = 3.14159265358979323846;

struct Angle {
    float sine;
    float cosine;
};

// The angle is stepped in single precision, and its sine and cosine are
// taken in double and rounded back: freeglut's vertices carry that rounding.
Angle Step(float step, int i) {
    const float angle = step * static_cast<float>(i);
    return {static_cast<float>(std::sin(static_cast<double>(angle))),
            static_cast<float>(std::cos(static_cast<double>(angle)))};
}

void Ring_Vertex(Angle slice, Angle stack, float radius) {
    const float x = slice.cosine * stack.sine;
    const float y = slice.sine * stack.sine;
    const float z = stack.cosine;
    glNormal3f(x, y, z);
    glVertex3f(x * radius, y * radius, z * radius);
}

// side is 1 for the +z pole, -1 for the -z pole.
void Pole_Vertex(float side, float radius) {
    glNormal3f(0.0f, 0.0f, side);
    glVertex3f(0.0f, 0.0f, side * radius);
}

}  // namespace

void SolidSphere(GLdouble radius, GLint slices, GLint stacks) {
    const float r = static_cast<float>(radius);
    const float sliceStep = static_cast<float>(-2.0 * kPi / slices);
    const float stackStep = static_cast<float>(kPi / stacks);

    // Like glutSolidSphere, leave the current normal as it was.
    glPushAttrib(GL_CURRENT_BIT);

    // Each strip ends on its first slice again, so that it closes exactly.
    const Angle firstRing = Step(stackStep, 1);
    glBegin(GL_TRIANGLE_STRIP);
    for (int j = 0; j <= slices; ++j) {
        Ring_Vertex(Step(sliceStep, j % slices), firstRing, r);
        Pole_Vertex(1.0f, r);
    }
    glEnd();

    for (int i = 1; i + 1 < stacks; ++i) {
        const Angle upper = Step(stackStep, i);
        const Angle lower = Step(stackStep, i + 1);
        glBegin(GL_TRIANGLE_STRIP);
        for (int j = 0; j <= slices; ++j) {
            const Angle slice = Step(sliceStep, j % slices);
            Ring_Vertex(slice, lower, r);
            Ring_Vertex(slice, upper, r);
        }
        glEnd();
    }

    const Angle lastRing = Step(stackStep, stacks - 1);
    glBegin(GL_TRIANGLE_STRIP);
    for (int j = 0; j <= slices; ++j) {
        Pole_Vertex(-1.0f, r);
        Ring_Vertex(Step(sliceStep, j % slices), lastRing, r);
    }
    glEnd();

    glPopAttrib();
}
