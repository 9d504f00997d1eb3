#include "render/camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "world/angle.h"

void Camera::SetXAngle(float value) {
    xangle_ = value;
    WrapAngle(&xangle_);
}

void ApplyCameraView(const Camera& camera, float x, float y, float z) {
    gluLookAt(0.0, 0.0, camera.GetDistance(), 0.0, 0.0, 1.0, 0.0, 1.0, 0.0);
    glRotatef(camera.GetXAngle(), 1.0f, 0.0f, 0.0f);
    glRotatef(camera.GetYAngle(), 0.0f, 1.0f, 0.0f);
    glRotatef(camera.GetZAngle(), 0.0f, 0.0f, 1.0f);
    glTranslatef(x, y, z);
    glTranslatef(camera.GetX(), camera.GetY(), camera.GetZ());
}
