#include "camera/camera.h"

#include <cmath>

#include "shell/win32.h"

CCamera objCamera;

namespace {

// The sine and cosine of a float are the double-precision functions of the C
// runtime, rounded back to float; the float overloads round differently.
float Sin(float angle) { return static_cast<float>(std::sin(static_cast<double>(angle))); }
float Cos(float angle) { return static_cast<float>(std::cos(static_cast<double>(angle))); }

bool Held(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }

}  // namespace

void CCamera::Position_Camera(float pos_x, float pos_y, float pos_z, float view_x, float view_y, float view_z,
                              float up_x, float up_y, float up_z) {
    pos = tVector3(pos_x, pos_y, pos_z);
    view = tVector3(view_x, view_y, view_z);
    up = tVector3(up_x, up_y, up_z);
}

void CCamera::Move_Camera(float speed) {
    tVector3 lookDir = view - pos;

    // Only the horizontal part: walking stays level however the view tilts.
    pos.x += lookDir.x * speed;
    pos.z += lookDir.z * speed;
    view.x += lookDir.x * speed;
    view.z += lookDir.z * speed;
}

void CCamera::Strafe_Camera(float speed) {
    tVector3 lookDir = view - pos;

    // The side comes from the keys; the sign of speed flips both blocks.
    if (Held(VK_LEFT) || Held('A')) {
        pos.z += lookDir.x * speed;
        view.z += lookDir.x * speed;
        pos.x -= lookDir.z * speed;
        view.x -= lookDir.z * speed;
    }
    if (Held(VK_RIGHT) || Held('D')) {
        pos.z -= lookDir.x * speed;
        view.z -= lookDir.x * speed;
        pos.x += lookDir.z * speed;
        view.x += lookDir.z * speed;
    }
}

void CCamera::Fly_Camera(float speed) {
    tVector3 lookDir = view - pos;

    pos.y += lookDir.y * speed;
    view.y += lookDir.y * speed;
}

void CCamera::Rotate_View(float speed) {
    tVector3 lookDir = view - pos;

    view.z = pos.z + Sin(speed) * lookDir.x + Cos(speed) * lookDir.z;
    view.x = pos.x + Cos(speed) * lookDir.x - Sin(speed) * lookDir.z;
}

void CCamera::Mouse_Move(int wndWidth, int wndHeight) {
    POINT cursorPos = {0, 0};
    int centreX = wndWidth >> 1;
    int centreY = wndHeight >> 1;

    // A cursor that cannot be read (a locked desktop, a secure prompt) is no
    // movement at all, not a jump to the screen's corner on every pass.
    if (!GetCursorPos(&cursorPos)) return;
    if (cursorPos.x == centreX && cursorPos.y == centreY) return;

    SetCursorPos(centreX, centreY);

    float turn = static_cast<float>(centreX - cursorPos.x) / 1000;
    float tilt = static_cast<float>(centreY - cursorPos.y) / 1000;

    view.y += tilt * 2;
    if (view.y - pos.y > 8) view.y = pos.y + 8;
    if (view.y - pos.y < -8) view.y = pos.y - 8;

    Rotate_View(-turn);
}
