#pragma once
// Where the window's picture shows on a larger screen: scaled as large as
// fits with its shape kept, centred, the rest of the screen black bars; and
// which point of the picture lies under a point of the screen.

// A rectangle of the screen, from its top left corner.
struct ScreenRect {
    int x, y, width, height;
};

ScreenRect FitPicture(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);

// The point of the picture under the screen's point (x, y), in place; it lies
// outside the picture for a point on the bars.
void ScreenToPicture(const ScreenRect& shown, int pictureWidth, int pictureHeight, float* x,
                     float* y);
