#ifndef TESSALINE_RENDER_SPHERE_H
#define TESSALINE_RENDER_SPHERE_H

#include "shell/win32.h"

// The scene's solid sphere, centred on the origin: slices around the z axis,
// stacks along it. GLUT's where the build uses GLUT, the project's own
// equivalent tessellation otherwise.
void SolidSphere(GLdouble radius, GLint slices, GLint stacks);

#endif  // TESSALINE_RENDER_SPHERE_H
