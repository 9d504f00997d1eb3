#include "render/camera.h"

#include "world/angle.h"

namespace {

void SetOrAdd(float* field, float value, bool absolute) {
    if (absolute)
        *field = value;
    else
        *field += value;
}

void SetOrAddAngle(float* angle, float value, bool absolute) {
    SetOrAdd(angle, value, absolute);
    WrapAngle(angle);
}

}  // namespace

void Camera::SetXAngle(float value, bool absolute) {
    SetOrAddAngle(&xangle_, value, absolute);
}
void Camera::SetYAngle(float value, bool absolute) {
    SetOrAddAngle(&yangle_, value, absolute);
}
void Camera::SetZAngle(float value, bool absolute) {
    SetOrAddAngle(&zangle_, value, absolute);
}
void Camera::SetX(float value, bool absolute) {
    SetOrAdd(&x_, value, absolute);
}
void Camera::SetY(float value, bool absolute) {
    SetOrAdd(&y_, value, absolute);
}
void Camera::SetZ(float value, bool absolute) {
    SetOrAdd(&z_, value, absolute);
}
void Camera::SetDistance(float value, bool absolute) {
    SetOrAdd(&distance_, value, absolute);
}
