#include "render/sphere.h"

#include <GL/freeglut.h>

void SolidSphere(GLdouble radius, GLint slices, GLint stacks) {
    // freeglut refuses to draw before glutInit. It opens no window and
    // touches no GL state; it only needs the X display the program runs on.
    static bool glutReady = false;
    if (!glutReady) {
        int argc = 1;
        char name[] = "tessaline";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutReady = true;
    }
    glutSolidSphere(radius, slices, stacks);
}
