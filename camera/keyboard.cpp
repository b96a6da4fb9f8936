#include "camera/keyboard.h"

#include "camera/camera.h"
#include "shell/win32.h"

namespace {

const float CAMERASPEED = 0.015f;

bool Held(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }

}  // namespace

void Keyboard_Input() {
    if (Held(VK_UP) || Held('W')) objCamera.Move_Camera(CAMERASPEED);
    if (Held(VK_DOWN) || Held('S')) objCamera.Move_Camera(-CAMERASPEED);

    // Both strafe calls pass the same speed: Strafe_Camera picks the side.
    if (Held(VK_LEFT) || Held('A')) objCamera.Strafe_Camera(-CAMERASPEED);
    if (Held(VK_RIGHT) || Held('D')) objCamera.Strafe_Camera(-CAMERASPEED);

    if (Held('E')) objCamera.Fly_Camera(CAMERASPEED);
}
