#include "render/death_moment.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

constexpr int kToppleFrames = 10;  // about a quarter of a second at one frame a tick
constexpr float kToppleAngle = 90.0f;
constexpr int kFlashFrames = 4;  // each shade of the flash
constexpr int kTintFadeFrames = 15;
constexpr float kTintStart = 0.5f, kTintHeld = 0.18f;  // alpha of the red over the view

float Share(int frames, int of) {
    return static_cast<float>(std::clamp(frames, 0, of)) / static_cast<float>(of);
}

void FullViewQuad() {
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(1.0f, -1.0f);
    glVertex2f(1.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
}

}  // namespace

Transform DeathPose(Transform placement, int frames) {
    const float fallen = Share(frames, kToppleFrames);
    placement.xangle = 0.0f;
    placement.yangle = 0.0f;
    placement.zangle = kToppleAngle * fallen;
    return placement;
}

ModelColour DeathColour(int frames) {
    ModelColour colour;
    const bool bright = (frames / kFlashFrames) % 2 == 0;
    colour.green = colour.blue = bright ? 40 : 130;
    return colour;
}

void DrawDeathTint(int frames) {
    const float alpha = kTintStart + (kTintHeld - kTintStart) * Share(frames, kTintFadeFrames);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(0.8f, 0.0f, 0.0f, alpha);
    FullViewQuad();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
