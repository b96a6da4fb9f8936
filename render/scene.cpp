#include "camera/camera.h"
#include "render/render.h"
#include "render/sphere.h"
#include "shell/win32.h"

namespace {

void Draw_Cube() {
    glBegin(GL_QUADS);
    glColor3f(0.0f, 1.0f, 0.0f);  // top
    glVertex3f(1.0f, 1.0f, -1.0f);
    glVertex3f(-1.0f, 1.0f, -1.0f);
    glVertex3f(-1.0f, 1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 1.0f);
    glColor3f(1.0f, 0.5f, 0.0f);  // bottom
    glVertex3f(1.0f, -1.0f, 1.0f);
    glVertex3f(-1.0f, -1.0f, 1.0f);
    glVertex3f(-1.0f, -1.0f, -1.0f);
    glVertex3f(1.0f, -1.0f, -1.0f);
    glColor3f(1.0f, 0.0f, 0.0f);  // front
    glVertex3f(1.0f, 1.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, 1.0f);
    glVertex3f(-1.0f, -1.0f, 1.0f);
    glVertex3f(1.0f, -1.0f, 1.0f);
    glColor3f(1.0f, 1.0f, 0.0f);  // back
    glVertex3f(1.0f, -1.0f, -1.0f);
    glVertex3f(-1.0f, -1.0f, -1.0f);
    glVertex3f(-1.0f, 1.0f, -1.0f);
    glVertex3f(1.0f, 1.0f, -1.0f);
    glColor3f(0.0f, 0.0f, 1.0f);  // left
    glVertex3f(-1.0f, 1.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, -1.0f);
    glVertex3f(-1.0f, -1.0f, -1.0f);
    glVertex3f(-1.0f, -1.0f, 1.0f);
    // The right face's magenta is the colour the sphere is drawn in.
    glColor3f(1.0f, 0.0f, 1.0f);  // right
    glVertex3f(1.0f, 1.0f, -1.0f);
    glVertex3f(1.0f, 1.0f, 1.0f);
    glVertex3f(1.0f, -1.0f, 1.0f);
    glVertex3f(1.0f, -1.0f, -1.0f);
    glEnd();
}

struct Point {
    GLfloat x, y;
};

// One triangle from each edge (a, b) of a path to the shared apex.
void Draw_Sides(const Point* path, int triangles, const GLfloat* apex, const GLfloat* colour) {
    for (int i = 0; i < triangles; ++i) {
        const Point& a = path[i];
        const Point& b = path[i + 1];
        glBegin(GL_TRIANGLES);
        if (i == 0 && colour) glColor3f(colour[0], colour[1], colour[2]);
        glVertex3f(a.x, a.y, 10.0f);
        glVertex3fv(apex);
        glVertex3f(b.x, b.y, 10.0f);
        glEnd();
    }
}

void Draw_Face(const Point* outline, int count, GLfloat green) {
    glBegin(GL_POLYGON);
    glColor3f(0.0f, green, 0.0f);
    for (int i = 0; i < count; ++i) glVertex3f(outline[i].x, outline[i].y, 10.0f);
    glEnd();
}

// A black face, or a closing triangle, must cover the green drawn before it in
// the same plane. GL_LEQUAL alone would do it only if both got equal depths,
// and the GL promises that for repeats of the same primitive, not for
// different ones: on a 16-bit depth buffer the green often comes out a step
// nearer, in stripes. So each later layer is pulled one polygon-offset step
// nearer than the one under it (the slope term covers grazing views), and
// the offset is undone at once so that nothing else is drawn with it.
void Begin_Layer(GLfloat layer) {
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-layer, -layer);
}

void End_Layer() {
    glPolygonOffset(0.0f, 0.0f);
    glDisable(GL_POLYGON_OFFSET_FILL);
}

void Draw_Black_Face(const Point* outline, int count) {
    Begin_Layer(1.0f);
    Draw_Face(outline, count, 0.0f);
    End_Layer();
}

void Draw_Emblem() {
    GLfloat apex[3] = {2.0f, 8.0f, -15.0f};

    const Point path1[] = {{-12, 11}, {-6, 11}, {-4, 9}, {-4, 2}, {-6, 0}, {-12, 0}, {-12, 11}};
    const Point path2[] = {{-2, 3}, {1, 3}, {4, -6}, {2, -6}, {1, -3}, {-2, -3}, {-4, -6}, {-6, -6}, {-2, 3}};
    // Open: no triangle joins (13, -8) back to (13, -5), where face 6 meets face 5's edge.
    const Point path3[] = {{13, -5}, {13, -4}, {11, -2}, {7, -2}, {5, -5}, {5, -8}, {7, -11}, {11, -11}, {13, -9},
                           {13, -8}};
    const GLfloat darkGreen[] = {0.0f, 0.4f, 0.0f};
    const GLfloat midGreen[] = {0.0f, 0.5f, 0.0f};
    Draw_Sides(path1, 6, apex, darkGreen);
    Draw_Sides(path2, 8, apex, midGreen);
    Draw_Sides(path3, 9, apex, nullptr);  // keeps the mid green

    const Point face1[] = {{-12, 11}, {-6, 11}, {-4, 9}, {-4, 2}, {-6, 0}, {-12, 0}};
    const Point face2[] = {{-10, 9}, {-8, 9}, {-6, 7}, {-6, 4}, {-8, 2}, {-10, 2}};
    const Point face3[] = {{-2, 3}, {1, 3}, {4, -6}, {2, -6}, {1, -3}, {-2, -3}, {-4, -6}, {-6, -6}};
    const Point face4[] = {{0, 1}, {0, -1}, {-1, -1}, {-1, 1}};
    const Point face5[] = {{13, -5}, {13, -8}, {13, -9}, {11, -11}, {7, -11}, {5, -8}, {5, -5}, {7, -2}, {11, -2},
                           {13, -4}};
    const Point face6[] = {{13, -5}, {11, -5}, {9, -4}, {7, -6}, {7, -7}, {9, -9}, {13, -8}};
    Draw_Face(face1, 6, 1.0f);
    Draw_Black_Face(face2, 6);
    Draw_Face(face3, 8, 1.0f);
    Draw_Black_Face(face4, 4);
    Draw_Face(face5, 10, 1.0f);
    Draw_Black_Face(face6, 7);

    // Drawn last, over face 6, so the notch at its inward corner is green
    // however the non-convex face fills.
    Begin_Layer(2.0f);
    glBegin(GL_TRIANGLES);
    glColor3f(0.0f, 1.0f, 0.0f);
    glVertex3f(13.0f, -5.0f, 10.0f);
    glVertex3f(11.0f, -5.0f, 10.0f);
    glVertex3f(9.0f, -4.0f, 10.0f);
    glEnd();
    glBegin(GL_TRIANGLES);
    glVertex3f(13.0f, -8.0f, 10.0f);
    glVertex3f(11.0f, -8.0f, 10.0f);
    glVertex3f(9.0f, -9.0f, 10.0f);
    glEnd();
    End_Layer();
}

}  // namespace

void Draw_Grid() {
    // A float counter, as the grid has always been drawn: 201 passes, the
    // last exactly at 500.
    for (GLfloat i = -500.0f; i <= 500.0f; i += 5.0f) {
        glBegin(GL_LINES);
        glColor3ub(150, 190, 150);
        glVertex3f(-500.0f, 0.0f, i);
        glVertex3f(500.0f, 0.0f, i);
        glVertex3f(i, 0.0f, -500.0f);
        glVertex3f(i, 0.0f, 500.0f);
        glEnd();
    }
}

int DrawGLScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(objCamera.pos.x, objCamera.pos.y, objCamera.pos.z, objCamera.view.x, objCamera.view.y,
              objCamera.view.z, objCamera.up.x, objCamera.up.y, objCamera.up.z);

    Draw_Grid();

    glTranslatef(0.0f, 1.0f, 0.0f);
    Draw_Cube();
    SolidSphere(1.5, 500, 10);
    Draw_Emblem();
    return TRUE;
}
