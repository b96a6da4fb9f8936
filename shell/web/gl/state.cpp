// The state calls: WebGL's own where it has them, stored where the program
// sets state it never uses (shading model, hint, light, material). None
// reaches WebGL while no context is current.
#include <GLES2/gl2.h>
#include <webgl/webgl1.h>

#include "shell/web/gl/gl.h"

using namespace web_gl;

namespace {

void Copy4(GLfloat* to, const GLfloat* from) {
    for (int i = 0; i < 4; ++i) to[i] = from[i];
}

bool WebGlHas(GLenum capability) { return capability == GL_DEPTH_TEST || capability == GL_POLYGON_OFFSET_FILL; }

}  // namespace

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (state.ready) emscripten_glViewport(x, y, width, height);
}

void glClear(GLbitfield mask) {
    if (state.ready) emscripten_glClear(mask);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    if (state.ready) emscripten_glClearColor(red, green, blue, alpha);
}

void glClearDepth(GLclampd depth) {
    if (state.ready) emscripten_glClearDepthf(static_cast<GLfloat>(depth));
}

void glEnable(GLenum cap) {
    if (state.ready && WebGlHas(cap)) emscripten_glEnable(cap);
}

void glDisable(GLenum cap) {
    if (state.ready && WebGlHas(cap)) emscripten_glDisable(cap);
}

void glDepthFunc(GLenum func) {
    if (state.ready) emscripten_glDepthFunc(func);
}

void glPolygonOffset(GLfloat factor, GLfloat units) {
    if (state.ready) emscripten_glPolygonOffset(factor, units);
}

void glShadeModel(GLenum mode) { state.shadeModel = mode; }

void glHint(GLenum target, GLenum mode) {
    if (target == GL_PERSPECTIVE_CORRECTION_HINT) state.perspectiveHint = mode;
}

void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    if (light != GL_LIGHT0) return;
    if (pname == GL_POSITION) Copy4(state.lightPosition, params);
    if (pname == GL_DIFFUSE) Copy4(state.lightDiffuse, params);
    if (pname == GL_SPECULAR) Copy4(state.lightSpecular, params);
}

void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    if (face != GL_FRONT) return;
    if (pname == GL_SPECULAR) Copy4(state.materialSpecular, params);
    if (pname == GL_SHININESS) state.materialShininess = params[0];
}
