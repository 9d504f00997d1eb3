#pragma once
// The GL seam: pixel formats, drawing surfaces, contexts, buffer swaps.
// A pixel format is the set of framebuffer attributes a surface is created
// with; on X11 the visual (and so multisampling) is fixed when the surface is
// created, so a format is chosen first and the surface made with it.

struct PixelFormat {
    int colorBits = 24;
    int alphaBits = 8;
    int depthBits = 16;
    int stencilBits = 0;
    bool doubleBuffer = true;
    int sampleBuffers = 0;
    int samples = 0;
    // Only a driver that rasterises in hardware may give this format (a
    // software rasteriser is refused: multisampling there costs more than a
    // game that must run on it can pay).
    bool accelerated = false;
};

inline bool operator==(const PixelFormat& a, const PixelFormat& b) {
    return a.colorBits == b.colorBits && a.alphaBits == b.alphaBits && a.depthBits == b.depthBits &&
           a.stencilBits == b.stencilBits && a.doubleBuffer == b.doubleBuffer &&
           a.sampleBuffers == b.sampleBuffers && a.samples == b.samples &&
           a.accelerated == b.accelerated;
}

struct GLSurface;     // something GL draws into: a window, or an offscreen one
struct GLContextRec;  // one GL rendering context
using HDC = GLSurface*;
using HGLRC = GLContextRec*;

// Whether a context with exactly this format can be had here (tried on a
// throw-away hidden surface).
bool Sys_GLFormatAvailable(const PixelFormat& format);

// A hidden surface of the given size, for drawing without a window on screen.
HDC Sys_CreateOffscreenSurface(int width, int height, const PixelFormat& format);
void Sys_DestroySurface(HDC surface);

HGLRC Sys_GLCreateContext(HDC surface);
void Sys_GLDeleteContext(HGLRC context);
bool Sys_GLMakeCurrent(HDC surface, HGLRC context);  // both null: no context current
void Sys_GLSwapBuffers(HDC surface);
// Called with the finished frame (menu bar included) still in the back
// buffer, just before it is shown; lets a tool read the frame's pixels.
extern void (*Sys_GLBeforeSwap)(HDC surface);

// The attributes the current context really has (after a surface was made).
PixelFormat Sys_GLCurrentFormat();
