// OpenGL 1.1's immediate mode on WebGL 1, for the calls the program makes:
// WebGL has no fixed-function pipeline, so the project provides it, as it
// provides Win32 on SDL2. All of its state is one struct, web_gl::State
// (gl.h); immediate.cpp has the vertices and the drawing, matrices.cpp the
// matrix stacks and GLU, state.cpp the state calls.
//
// Provided, and how:
//  [X] glBegin/glEnd of GL_LINES, GL_TRIANGLES, GL_TRIANGLE_STRIP, GL_QUADS
//      and GL_POLYGON, with glVertex3f/3fv, glColor3f/3ub and glNormal3f.
//      Vertices gather in one preallocated array and each glEnd is one draw
//      from one preallocated buffer through one small shader: no allocation
//      and no call into JavaScript per vertex. Quads are drawn as two
//      triangles each, through a fixed index buffer; a polygon is a triangle
//      fan from its first vertex, which is how Mesa fills the emblem's
//      non-convex faces too. Lines are cut at the near plane here: WebGL in
//      Chromium (ANGLE, SwiftShader) draws nothing of a line one of whose ends
//      lies behind the eye, and the grid's lines reach 500 units behind it.
//  [X] The current colour lasts past glEnd, as in OpenGL; it is rounded to
//      the framebuffer's 8 bits when given (0.5 is 128, as Mesa stores it).
//      glPushAttrib/glPopAttrib(GL_CURRENT_BIT) keep it and the normal.
//  [X] glMatrixMode, glLoadIdentity, glTranslatef, gluPerspective and
//      gluLookAt, in single precision as Mesa keeps its matrices; the shader
//      gets projection times model-view when either has changed.
//  [X] glViewport, glClear, glClearColor, glClearDepth, the depth test with
//      its function, glPolygonOffset: WebGL's own.
//  [X] Stored only: glShadeModel (the program's colours are flat per
//      primitive, so smooth and flat draw alike), glHint, glLightfv and
//      glMaterialfv for light 0 and the front face.
//  [X] Calls made while no context is current do nothing (a size message
//      comes before the context exists).
//
// Not provided:
//  [ ] Lighting, texturing, fog, blending, culling: glEnable and glDisable
//      take only the depth test and polygon offset.
//  [ ] glPushMatrix/glPopMatrix, glRotate, glScale, glOrtho and every other
//      call the program does not make; glGetError and the other queries.
//  [ ] Line width, point primitives, line loops and strips, quad strips.
#include <GLES2/gl2.h>
#include <webgl/webgl1.h>

#include <cmath>

#include "shell/web/gl/gl.h"

namespace web_gl {

State state;

namespace {

const char* const kVertexShader =
    "attribute vec3 position;\n"
    "attribute vec4 colour;\n"
    "uniform mat4 mvp;\n"
    "varying vec4 shade;\n"
    "void main() {\n"
    "    shade = colour;\n"
    "    gl_Position = mvp * vec4(position, 1.0);\n"
    "}\n";
const char* const kFragmentShader =
    "precision mediump float;\n"
    "varying vec4 shade;\n"
    "void main() { gl_FragColor = shade; }\n";

GLuint Compile(GLenum type, const char* source) {
    GLuint shader = emscripten_glCreateShader(type);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    return shader;
}

// Quad n is the triangles (4n, 4n+1, 4n+2) and (4n, 4n+2, 4n+3).
GLushort quadIndices[kMaxVertices / 4 * 6];

void MakeObjects() {
    state.program = emscripten_glCreateProgram();
    emscripten_glAttachShader(state.program, Compile(GL_VERTEX_SHADER, kVertexShader));
    emscripten_glAttachShader(state.program, Compile(GL_FRAGMENT_SHADER, kFragmentShader));
    emscripten_glBindAttribLocation(state.program, 0, "position");
    emscripten_glBindAttribLocation(state.program, 1, "colour");
    emscripten_glLinkProgram(state.program);
    emscripten_glUseProgram(state.program);
    state.mvpUniform = emscripten_glGetUniformLocation(state.program, "mvp");

    emscripten_glGenBuffers(1, &state.vertexBuffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, state.vertexBuffer);
    emscripten_glBufferData(GL_ARRAY_BUFFER, sizeof(state.vertices), nullptr, GL_STREAM_DRAW);
    emscripten_glEnableVertexAttribArray(0);
    emscripten_glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
    emscripten_glEnableVertexAttribArray(1);
    emscripten_glVertexAttribPointer(1, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                                     reinterpret_cast<void*>(offsetof(Vertex, r)));

    for (int quad = 0; quad < kMaxVertices / 4; ++quad) {
        const GLushort first = static_cast<GLushort>(quad * 4);
        const GLushort corners[6] = {first, GLushort(first + 1), GLushort(first + 2),
                                     first, GLushort(first + 2), GLushort(first + 3)};
        for (int i = 0; i < 6; ++i) quadIndices[quad * 6 + i] = corners[i];
    }
    emscripten_glGenBuffers(1, &state.quadIndices);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, state.quadIndices);
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(quadIndices), quadIndices, GL_STATIC_DRAW);
}

// How far a vertex lies in front of the near plane, in clip coordinates:
// z + w, negative behind it.
GLfloat InFront(const Vertex& vertex) {
    const GLfloat* m = state.mvp.m;
    const GLfloat z = m[2] * vertex.x + m[6] * vertex.y + m[10] * vertex.z + m[14];
    const GLfloat w = m[3] * vertex.x + m[7] * vertex.y + m[11] * vertex.z + m[15];
    return z + w;
}

// Keeps the part of each line in front of the near plane; the vertices of
// what is left close up. A cut end is moved along its line, where clip
// coordinates change linearly too.
void CutLinesAtNearPlane() {
    int kept = 0;
    for (int i = 0; i + 1 < state.count; i += 2) {
        Vertex ends[2] = {state.vertices[i], state.vertices[i + 1]};
        const GLfloat distance[2] = {InFront(ends[0]), InFront(ends[1])};
        if (distance[0] < 0.0f && distance[1] < 0.0f) continue;
        for (int end = 0; end < 2; ++end) {
            if (distance[end] >= 0.0f) continue;
            const Vertex& other = ends[1 - end];
            const GLfloat t = distance[end] / (distance[end] - distance[1 - end]);
            ends[end].x += (other.x - ends[end].x) * t;
            ends[end].y += (other.y - ends[end].y) * t;
            ends[end].z += (other.z - ends[end].z) * t;
        }
        state.vertices[kept++] = ends[0];
        state.vertices[kept++] = ends[1];
    }
    state.count = kept;
}

GLubyte Channel(GLfloat value) {
    if (!(value > 0.0f)) return 0;
    if (value >= 1.0f) return 255;
    return static_cast<GLubyte>(std::floor(value * 255.0f + 0.5f));
}

void SetColour(GLubyte r, GLubyte g, GLubyte b) {
    GLubyte* colour = state.attributes.colour;
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
    colour[3] = 255;
}

}  // namespace
}  // namespace web_gl

using namespace web_gl;

void StartWebGl(bool fresh) {
    if (fresh) {
        state = State();
        Identity(state.modelView);
        Identity(state.projection);
        SetColour(255, 255, 255);
        MakeObjects();
    }
    state.ready = true;
}

void StopWebGl() { state.ready = false; }

void glBegin(GLenum mode) {
    state.primitive = mode;
    state.count = 0;
}

void glEnd() {
    const GLenum mode = state.primitive;
    state.primitive = 0;
    if (!state.ready || state.count == 0) return;
    if (state.matricesChanged) {
        state.mvp = ModelViewProjection();
        emscripten_glUniformMatrix4fv(state.mvpUniform, 1, GL_FALSE, state.mvp.m);
        state.matricesChanged = false;
    }
    if (mode == GL_LINES) CutLinesAtNearPlane();
    if (state.count == 0) return;
    emscripten_glBufferSubData(GL_ARRAY_BUFFER, 0, state.count * sizeof(Vertex), state.vertices);
    switch (mode) {
        case GL_QUADS: emscripten_glDrawElements(GL_TRIANGLES, state.count / 4 * 6, GL_UNSIGNED_SHORT, nullptr); break;
        case GL_POLYGON: emscripten_glDrawArrays(GL_TRIANGLE_FAN, 0, state.count); break;
        case GL_LINES:
        case GL_TRIANGLES:
        case GL_TRIANGLE_STRIP: emscripten_glDrawArrays(mode, 0, state.count); break;
    }
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (state.count == kMaxVertices) return;
    Vertex& vertex = state.vertices[state.count++];
    vertex.x = x;
    vertex.y = y;
    vertex.z = z;
    const GLubyte* colour = state.attributes.colour;
    vertex.r = colour[0];
    vertex.g = colour[1];
    vertex.b = colour[2];
    vertex.a = colour[3];
}

void glVertex3fv(const GLfloat* v) { glVertex3f(v[0], v[1], v[2]); }

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) { SetColour(Channel(red), Channel(green), Channel(blue)); }

void glColor3ub(GLubyte red, GLubyte green, GLubyte blue) { SetColour(red, green, blue); }

void glNormal3f(GLfloat nx, GLfloat ny, GLfloat nz) {
    GLfloat* normal = state.attributes.normal;
    normal[0] = nx;
    normal[1] = ny;
    normal[2] = nz;
}

// Whatever the mask, only the current values are kept: the program pushes
// nothing else.
void glPushAttrib(GLbitfield) {
    if (state.pushedCount == 4) return;
    state.pushed[state.pushedCount++] = state.attributes;
}

void glPopAttrib() {
    if (state.pushedCount > 0) state.attributes = state.pushed[--state.pushedCount];
}
