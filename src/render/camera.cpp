#include "render/camera.h"

#include "world/angle.h"

void Camera::SetXAngle(float value) {
    xangle_ = value;
    WrapAngle(&xangle_);
}
