// The viewer's eye: a position, a point looked at and an up vector, with the
// rules for walking, strafing, rising and turning. There are no stored
// angles: heading and tilt live only in view - pos.
#ifndef TESSALINE_CAMERA_CAMERA_H
#define TESSALINE_CAMERA_CAMERA_H

#include <cstddef>
#include <type_traits>

struct tVector3 {
    tVector3() {}  // leaves the components as the storage held them
    tVector3(float new_x, float new_y, float new_z) : x(new_x), y(new_y), z(new_z) {}

    tVector3 operator-(tVector3 vVector) const { return tVector3(x - vVector.x, y - vVector.y, z - vVector.z); }

    float x, y, z;
};

static_assert(sizeof(float) == 4, "components are 32-bit floats");
static_assert(std::is_standard_layout<tVector3>::value, "tVector3 is a plain record");
static_assert(sizeof(tVector3) == 3 * sizeof(float), "tVector3 is packed");
static_assert(offsetof(tVector3, x) == 0 && offsetof(tVector3, y) == 4 && offsetof(tVector3, z) == 8,
              "tVector3 holds x, y, z in that order");

class CCamera {
public:
    CCamera() {}

    tVector3 pos;
    tVector3 view;
    tVector3 up;

    void Position_Camera(float pos_x, float pos_y, float pos_z, float view_x, float view_y, float view_z, float up_x,
                         float up_y, float up_z);
    void Move_Camera(float speed);
    void Strafe_Camera(float speed);
    void Fly_Camera(float speed);
    void Rotate_View(float speed);
    void Mouse_Move(int wndWidth, int wndHeight);
};

extern CCamera objCamera;

#endif  // TESSALINE_CAMERA_CAMERA_H
