#include "camera/camera.h"
#include "render/render.h"
#include "shell/win32.h"

int InitGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);

    // Stored for completeness only: lighting stays off, so every primitive
    // shows its vertex colour.
    GLfloat specularColour[] = {1.0f, 1.0f, 1.0f, 1.0f};
    GLfloat shininess[] = {10.0f};
    GLfloat lightPos[] = {0.0f, 100.0f, 0.0f, 0.0f};
    GLfloat lightColour[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specularColour);
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPos);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightColour);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightColour);

    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    // LEQUAL lets the emblem's black faces, drawn later in the same plane,
    // show over the green ones.
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    objCamera.Position_Camera(0, 2.5f, 5, 0, 2.5f, 0, 0, 1, 0);
    return TRUE;
}

// With no current context every GL call below is ignored, which is all a
// size message during window creation needs.
void ReSizeGLScene(int width, int height) {
    if (height == 0) height = 1;

    glViewport(0, 0, width, height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<GLfloat>(width) / static_cast<GLfloat>(height), 0.1f, 100.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
