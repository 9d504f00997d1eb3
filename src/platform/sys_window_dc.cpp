// Drawing surfaces of windows. A top-level window has one surface; its child
// windows draw into it. The native window behind it is made when its pixel
// format is set, because on X11 the format cannot change afterwards.

#include "platform/sys_backend.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_native.h"

HDC GetDC(HWND window) {
    HWND top = Sys_TopLevelOf(window);
    if (!IsWindow(top))
        return nullptr;
    if (!top->surface)
        top->surface = new GLSurface{nullptr, false, top};
    return top->surface;
}

int ReleaseDC(HWND /*window*/, HDC /*dc*/) {
    return 1;  // surfaces live as long as their window
}

PixelFormat GetPixelFormat(HDC dc) {
    return dc ? dc->format : PixelFormat();
}

PixelFormat ChoosePixelFormat(HDC /*dc*/, const PixelFormat& request) {
    return request;
}

bool SetPixelFormat(HDC dc, const PixelFormat& format) {
    if (!dc || !dc->owner)
        return false;
    if (dc->formatSet)
        return dc->format == format;
    if (Sys_Backend() && Sys_Backend()->HasGL() && !Native_Realize(dc->owner, format))
        return false;
    dc->format = format;
    dc->formatSet = true;
    return true;
}
