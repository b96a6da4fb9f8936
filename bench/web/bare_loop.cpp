// The bench's bare loop in the browser: the same frame drawn through the
// same GL layer on a WebGL context of its own, from the browser's animation
// frames, with no Win32 layer and no Asyncify. Given six numbers (an eye and
// the point it looks at, as the page's query "?x y z x y z"), it draws from
// there instead of the start pose, to compare frames with Linux's.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdlib>

#include "camera/camera.h"
#include "render/render.h"
#include "shell/web/gl/gl.h"

namespace {

EM_BOOL Frame(double, void*) {
    DrawGLScene();
    return EM_TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.antialias = EM_FALSE;
    emscripten_webgl_make_context_current(emscripten_webgl_create_context("#canvas", &attributes));
    StartWebGl(true);
    ReSizeGLScene(640, 480);
    InitGL();
    if (argc == 7) {
        float pose[6];
        for (int i = 0; i < 6; ++i) pose[i] = std::strtof(argv[1 + i], nullptr);
        objCamera.Position_Camera(pose[0], pose[1], pose[2], pose[3], pose[4], pose[5], 0, 1, 0);
    }
    emscripten_request_animation_frame_loop(Frame, nullptr);
    return 0;
}
