// OpenGL state, projection and the drawing of one frame, on the current
// rendering context.
#ifndef TESSALINE_RENDER_RENDER_H
#define TESSALINE_RENDER_RENDER_H

// Gives a freshly current context the scene's state and puts the camera at
// its start pose. Always true.
int InitGL();

// Fits viewport and projection to a client area; leaves the model-view
// matrix current and the identity.
void ReSizeGLScene(int width, int height);

// Draws one whole frame into the back buffer from objCamera. Always true.
int DrawGLScene();

void Draw_Grid();

#endif  // TESSALINE_RENDER_RENDER_H
