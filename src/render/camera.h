#pragma once
// A view: how far the eye stands back, how the world is turned, and where it
// is shifted. Passed by value into every draw.

class Camera {
  public:
    Camera() = default;
    Camera(float xangle, float yangle, float zangle, float x, float y, float z, float distance)
        : distance_(distance),
          xangle_(xangle),
          yangle_(yangle),
          zangle_(zangle),
          x_(x),
          y_(y),
          z_(z) {}

    float GetDistance() const { return distance_; }
    float GetXAngle() const { return xangle_; }
    float GetYAngle() const { return yangle_; }
    float GetZAngle() const { return zangle_; }
    float GetX() const { return x_; }
    float GetY() const { return y_; }
    float GetZ() const { return z_; }

    // With absolute set the field becomes value, otherwise value is added.
    // Angles are then brought towards 0..360 by one step each way.
    void SetXAngle(float value, bool absolute);
    void SetYAngle(float value, bool absolute);
    void SetZAngle(float value, bool absolute);
    void SetX(float value, bool absolute);
    void SetY(float value, bool absolute);
    void SetZ(float value, bool absolute);
    void SetDistance(float value, bool absolute);

  private:
    float distance_ = 5.0f;
    float xangle_ = 0.0f, yangle_ = 0.0f, zangle_ = 0.0f;
    float x_ = 0.0f, y_ = 0.0f, z_ = 0.0f;
};
