#pragma once
// Pixel formats: the framebuffer attributes a window is made with (on X11 the
// visual, and so multisampling, cannot change afterwards).

struct PixelFormat {
    int colorBits = 24;
    int alphaBits = 8;
    int depthBits = 16;
    bool doubleBuffer = true;
    int sampleBuffers = 0;
    int samples = 0;
    // Only a driver that rasterises in hardware gives this format: on a
    // software rasteriser multisampling costs more than the game can pay.
    bool accelerated = false;
};

inline bool operator==(const PixelFormat& a, const PixelFormat& b) {
    return a.colorBits == b.colorBits && a.alphaBits == b.alphaBits && a.depthBits == b.depthBits &&
           a.doubleBuffer == b.doubleBuffer && a.sampleBuffers == b.sampleBuffers &&
           a.samples == b.samples && a.accelerated == b.accelerated;
}

// Whether a context with all this format asks for can be had (tried on a
// hidden window of its own); never on a back end without GL.
bool Sys_GLFormatAvailable(const PixelFormat& format);
