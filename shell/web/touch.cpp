// Fingers: a touch screen is one more source of the input the program
// already reads. A finger that comes down on the view looks: its motion, in
// canvas pixels, moves the virtual pointer as the pointer lock's motion does
// (messages.cpp). One that comes down on a control holds that control's key
// (its data-key, a virtual-key code) until it lifts or the browser cancels
// the touch. Each is followed by its pointer id, so that one finger can look
// while another walks.
#include <emscripten.h>

#include <cmath>

#include "shell/web/state.h"

namespace web_win32 {
namespace {

Finger* Find(int id) {
    for (int i = 0; i < state.fingerCount; ++i)
        if (state.fingers[i].id == id) return &state.fingers[i];
    return nullptr;
}

// Whether a finger holds that key's control, or with 0, any control.
bool HoldsControl(int key) {
    for (int i = 0; i < state.fingerCount; ++i)
        if (state.fingers[i].key && (!key || state.fingers[i].key == key)) return true;
    return false;
}

// Whole canvas pixels go to the pointer; the rest waits for the next move,
// so that a drag loses nothing however finely the browser slices it.
void GiveWholePixels(double& carried, LONG& pointer) {
    const double whole = std::round(carried);
    pointer += static_cast<LONG>(whole);
    carried -= whole;
}

// DOM pointer events rather than Emscripten's touch callbacks, which give
// whole CSS pixels and so lose a drag's fractions. The frame keeps its
// aspect (letterboxed in full screen), so a CSS pixel is the canvas's width
// over the width the frame is shown at.
EM_JS(void, ListenToPointers, (), {
    function canvasPixels() {
        var canvas = document.getElementById("canvas");
        if (!canvas) return 0;
        var shown = canvas.getBoundingClientRect();
        return canvas.width / Math.min(shown.width, shown.height * canvas.width / canvas.height);
    }
    var frame = document.getElementById("window");
    frame.addEventListener("pointerdown", function(event) {
        if (event.pointerType == "mouse") return;
        var control = event.target.closest("button[data-key]");
        if (!control && event.target.id != "canvas") return;
        // Keeps the keyboard's focus on the view.
        event.preventDefault();
        _FingerDown(event.pointerId, control ? Number(control.dataset.key) : 0, event.clientX, event.clientY);
    });
    // Followed on the whole page: a finger may leave the frame, and F1
    // replaces the canvas it came down on.
    addEventListener("pointermove", function(event) {
        _FingerMoved(event.pointerId, event.clientX, event.clientY, canvasPixels());
    });
    addEventListener("pointerup", function(event) { _FingerUp(event.pointerId); });
    addEventListener("pointercancel", function(event) { _FingerUp(event.pointerId); });
    // Left to the browser, a touch would become a click (which asks for the
    // pointer lock), a long-press menu, a scroll or a zoom.
    frame.addEventListener("touchstart", function(event) { event.preventDefault(); }, {passive: false});
    frame.addEventListener("contextmenu", function(event) { event.preventDefault(); });
});

}  // namespace

void ListenToFingers() { ListenToPointers(); }

}  // namespace web_win32

using namespace web_win32;

extern "C" {

EMSCRIPTEN_KEEPALIVE void FingerDown(int id, int key, double x, double y) {
    if (Find(id) || state.fingerCount == kFingers || key < 0 || key > 255) return;
    state.fingers[state.fingerCount++] = {id, key, x, y};
    if (key) PostKey(key, true);
}

EMSCRIPTEN_KEEPALIVE void FingerMoved(int id, double x, double y, double canvasPixels) {
    Finger* finger = Find(id);
    if (!finger || finger->key) return;
    state.dragX += (x - finger->x) * canvasPixels;
    state.dragY += (y - finger->y) * canvasPixels;
    finger->x = x;
    finger->y = y;
    GiveWholePixels(state.dragX, state.pointer.x);
    GiveWholePixels(state.dragY, state.pointer.y);
}

// A key held by two fingers is let go with the last of them.
EMSCRIPTEN_KEEPALIVE void FingerUp(int id) {
    Finger* finger = Find(id);
    if (!finger) return;
    const int key = finger->key;
    *finger = state.fingers[--state.fingerCount];
    if (key && !HoldsControl(key)) PostKey(key, false);
}

// A touch lets the page go full screen only as its finger lifts
// (display_mode.cpp).
EMSCRIPTEN_KEEPALIVE int FingerOnControl() { return HoldsControl(0); }

}  // extern "C"
