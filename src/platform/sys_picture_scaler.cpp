// The picture of a full-screen window: drawn at the window's own size in the
// bottom left corner of the back buffer, then copied into a texture and drawn
// again scaled over the whole screen, with black bars where its shape leaves
// room. OpenGL 1.1 only: a power-of-two texture and immediate-mode drawing.

#include <GL/gl.h>

#include "platform/sys_internal.h"
#include "platform/sys_picture_fit.h"

namespace {

struct Scaler {
    GLuint texture = 0;
    int textureWidth = 0, textureHeight = 0;
};
Scaler g_scaler;

int PowerOfTwoFrom(int size) {
    int power = 1;
    while (power < size)
        power *= 2;
    return power;
}

// A texture at least as large as the picture; false when none can hold it.
bool PictureTexture(int width, int height) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const int textureWidth = PowerOfTwoFrom(width), textureHeight = PowerOfTwoFrom(height);
    if (textureWidth > largest || textureHeight > largest)
        return false;
    if (!g_scaler.texture)
        glGenTextures(1, &g_scaler.texture);
    glBindTexture(GL_TEXTURE_2D, g_scaler.texture);
    if (textureWidth != g_scaler.textureWidth || textureHeight != g_scaler.textureHeight) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, textureWidth, textureHeight, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, nullptr);
        g_scaler.textureWidth = textureWidth;
        g_scaler.textureHeight = textureHeight;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    return true;
}

// Only the texture and a flat quad count; what the frame's drawing left on
// is put back afterwards.
void PlainState(int screenWidth, int screenHeight) {
    for (GLenum feature : {GL_DEPTH_TEST, GL_LIGHTING, GL_BLEND, GL_SCISSOR_TEST, GL_CULL_FACE,
                           GL_ALPHA_TEST, GL_FOG})
        glDisable(feature);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glViewport(0, 0, screenWidth, screenHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, screenWidth, screenHeight, 0.0, -1.0, 1.0);  // y down, as ScreenRect
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void DrawQuad(const ScreenRect& shown, float right, float top) {
    const float left = static_cast<float>(shown.x), upper = static_cast<float>(shown.y);
    const float width = static_cast<float>(shown.width), height = static_cast<float>(shown.height);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, top);
    glVertex2f(left, upper);
    glTexCoord2f(right, top);
    glVertex2f(left + width, upper);
    glTexCoord2f(right, 0.0f);
    glVertex2f(left + width, upper + height);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, upper + height);
    glEnd();
}

}  // namespace

void Sys_ShowPictureScaled(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    if (PictureTexture(pictureWidth, pictureHeight)) {
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, pictureWidth, pictureHeight);
        PlainState(screenWidth, screenHeight);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        DrawQuad(FitPicture(pictureWidth, pictureHeight, screenWidth, screenHeight),
                 static_cast<float>(pictureWidth) / static_cast<float>(g_scaler.textureWidth),
                 static_cast<float>(pictureHeight) / static_cast<float>(g_scaler.textureHeight));
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
    glPopAttrib();
}

void Sys_ForgetPictureTexture() {
    if (g_scaler.texture)
        glDeleteTextures(1, &g_scaler.texture);
    g_scaler = Scaler();
}
