// The least OpenGL 1.1 and GLU the program calls, on WebGL 1: its state,
// shared by the files of shell/web/gl/. Opening comment: immediate.cpp.
#ifndef TESSALINE_SHELL_WEB_GL_GL_H
#define TESSALINE_SHELL_WEB_GL_GL_H

#include <GL/gl.h>

namespace web_gl {

// Column-major, as OpenGL keeps matrices.
struct Matrix {
    GLfloat m[16];
};

struct Vertex {
    GLfloat x, y, z;
    GLubyte r, g, b, a;  // the colour as the framebuffer will hold it
};

// The longest glBegin/glEnd the program draws is one of the sphere's strips:
// 501 slices, two vertices each. Vertices beyond the buffer are dropped.
const int kMaxVertices = 4096;

struct CurrentAttributes {
    GLubyte colour[4];
    GLfloat normal[3];  // kept for glPushAttrib; nothing is lit
};

struct State {
    bool ready = false;  // a context is current and set up

    Matrix modelView, projection;
    Matrix* current = &modelView;
    bool matricesChanged = true;  // since the product was last handed to the shader
    Matrix mvp;                   // that product

    CurrentAttributes attributes;
    CurrentAttributes pushed[4];
    int pushedCount = 0;

    GLenum primitive = 0;  // inside glBegin/glEnd while non-zero
    int count = 0;
    Vertex vertices[kMaxVertices];

    // Stored only: the program never enables lighting.
    GLenum shadeModel = GL_SMOOTH;
    GLenum perspectiveHint = GL_DONT_CARE;
    GLfloat lightPosition[4], lightDiffuse[4], lightSpecular[4];
    GLfloat materialSpecular[4], materialShininess;

    GLuint program = 0, vertexBuffer = 0, quadIndices = 0;
    GLint mvpUniform = -1;
};

extern State state;

void Identity(Matrix& matrix);
// The current matrix times this one: what glMultMatrix does.
void MultiplyCurrent(const Matrix& by);
// projection times model-view, for the shader.
Matrix ModelViewProjection();

}  // namespace web_gl

// Called by the Win32 services: a context has just been made current (its GL
// objects are made on its first use), or none is current any more.
void StartWebGl(bool fresh);
void StopWebGl();

#endif  // TESSALINE_SHELL_WEB_GL_GL_H
