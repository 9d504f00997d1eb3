#include "platform/sys_picture_fit.h"

#include <algorithm>
#include <cmath>

ScreenRect FitPicture(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return {0, 0, screenWidth, screenHeight};
    const double scale = std::min(static_cast<double>(screenWidth) / pictureWidth,
                                  static_cast<double>(screenHeight) / pictureHeight);
    const int width = static_cast<int>(std::lround(pictureWidth * scale));
    const int height = static_cast<int>(std::lround(pictureHeight * scale));
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

void ScreenToPicture(const ScreenRect& shown, int pictureWidth, int pictureHeight, float* x,
                     float* y) {
    if (shown.width <= 0 || shown.height <= 0)
        return;
    *x = (*x - static_cast<float>(shown.x)) * static_cast<float>(pictureWidth) /
         static_cast<float>(shown.width);
    *y = (*y - static_cast<float>(shown.y)) * static_cast<float>(pictureHeight) /
         static_cast<float>(shown.height);
}
