#include "shell/clear_renderer.h"

#include <GL/gl.h>

void ClearRenderer::Draw() {
    glClearColor(0.12f, 0.12f, 0.18f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void ClearRenderer::Resize(int width, int height) {
    glViewport(0, 0, width, height);
}
