#include "render/hint_sign.h"

#include <GL/gl.h>

#include "core/keys.h"

namespace {

constexpr float kAboveHero = 34.0f;  // world units over the hero's feet
constexpr float kSmallAboveHero = 24.0f;
constexpr float kSmallScale = 0.45f;
constexpr float kRimScale = 1.35f;  // the black rim around each shape

struct Colour {
    float r, g, b;
};
constexpr Colour kRim = {0.0f, 0.0f, 0.0f};
constexpr Colour kKeyColour = {1.0f, 0.86f, 0.1f};
constexpr Colour kNoWayColour = {0.9f, 0.12f, 0.1f};
constexpr Colour kGaveUpColour = {0.65f, 0.65f, 0.65f};

void Quad(float x0, float y0, float x1, float y1) {
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

// An arrow pointing right, about 20 units long.
void Arrow() {
    Quad(-9.0f, -3.0f, 1.0f, 3.0f);
    glBegin(GL_TRIANGLES);
    glVertex2f(1.0f, -8.0f);
    glVertex2f(10.0f, 0.0f);
    glVertex2f(1.0f, 8.0f);
    glEnd();
}

void KeyCap() {
    Quad(-13.0f, -4.0f, 13.0f, 4.0f);
}

void Cross() {
    for (float angle : {45.0f, -45.0f}) {
        glPushMatrix();
        glRotatef(angle, 0.0f, 0.0f, 1.0f);
        Quad(-10.0f, -2.5f, 10.0f, 2.5f);
        glPopMatrix();
    }
}

float ArrowAngle(int keyCode) {
    switch (keyCode) {
        case kKeyUp:
            return 90.0f;
        case kKeyLeft:
            return 180.0f;
        case kKeyDown:
            return 270.0f;
        default:
            return 0.0f;
    }
}

void Shape(const HintSign& sign) {
    if (sign.kind == HintSign::kNoWay)
        return Cross();
    if (sign.keyCode == kKeySpace)
        return KeyCap();
    glPushMatrix();
    glRotatef(ArrowAngle(sign.keyCode), 0.0f, 0.0f, 1.0f);
    Arrow();
    glPopMatrix();
}

Colour FillColour(const HintSign& sign) {
    if (sign.kind == HintSign::kKey)
        return kKeyColour;
    return sign.gaveUp ? kGaveUpColour : kNoWayColour;
}

void Layer(const HintSign& sign, Colour colour, float scale) {
    glColor3f(colour.r, colour.g, colour.b);
    glPushMatrix();
    glScalef(scale, scale, 1.0f);
    Shape(sign);
    glPopMatrix();
}

// The world camera's view, as every model is drawn with it, turned back to
// face the eye.
void LookFrom(const Camera& camera, float x, float y, float z) {
    ApplyCameraView(camera, x, y, z);
    glRotatef(-camera.GetXAngle(), 1.0f, 0.0f, 0.0f);
}

}  // namespace

void DrawHintSign(const HintSign& sign, const Camera& camera, float x, float y, float z) {
    if (sign.kind == HintSign::kNone)
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glPushMatrix();
    LookFrom(camera, x, y + (sign.small ? kSmallAboveHero : kAboveHero), z);
    const float scale = sign.small ? kSmallScale : 1.0f;
    Layer(sign, kRim, kRimScale * scale);
    Layer(sign, FillColour(sign), scale);
    glPopMatrix();
    glPopAttrib();
}
