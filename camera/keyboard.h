#ifndef TESSALINE_CAMERA_KEYBOARD_H
#define TESSALINE_CAMERA_KEYBOARD_H

// Moves objCamera from the keys held now; called once per idle pass.
void Keyboard_Input();

#endif  // TESSALINE_CAMERA_KEYBOARD_H
