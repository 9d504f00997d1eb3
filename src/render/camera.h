#pragma once
// A view: how far the eye stands back, how the world is turned, and where it
// is shifted. Passed by value into every draw.

// The vertical field of view of every camera (the projection's), degrees.
constexpr float kFieldOfViewDegrees = 45.0f;

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

    // The angle is brought towards 0..360 by one step each way.
    void SetXAngle(float value);
    void SetX(float value) { x_ = value; }
    void SetY(float value) { y_ = value; }
    void SetDistance(float value) { distance_ = value; }

  private:
    float distance_ = 5.0f;
    float xangle_ = 0.0f, yangle_ = 0.0f, zangle_ = 0.0f;
    float x_ = 0.0f, y_ = 0.0f, z_ = 0.0f;
};

// Multiplies the GL modelview matrix by the camera's view of the world point
// (x, y, z): the eye stands back its distance, the world is turned by its
// angles and shifted by its offset. Models and the hint's sign are drawn so.
void ApplyCameraView(const Camera& camera, float x, float y, float z);
