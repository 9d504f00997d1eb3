#include "screenshot.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "platform/sys_path.h"
#include "platform/sys_video.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

ScreenGrabber* g_grabber = nullptr;

void GrabBeforeSwap() {
    if (g_grabber)
        g_grabber->Grab();
}

void WriteToFile(void* context, void* data, int size) {
    std::fwrite(data, 1, static_cast<size_t>(size), static_cast<FILE*>(context));
}

}  // namespace

void ScreenGrabber::Install(bool on) {
    wanted_ = on;
    g_grabber = on ? this : nullptr;
    Sys_BeforeSwap = on ? GrabBeforeSwap : nullptr;
}

void ScreenGrabber::Grab() {
    if (!wanted_)
        return;
    pixels_.resize(static_cast<size_t>(kShotWidth) * kShotHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kShotWidth, kShotHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels_.data());
}

bool ScreenGrabber::WritePng(const std::string& path) const {
    std::vector<unsigned char> image(static_cast<size_t>(kShotWidth) * kShotHeight * 3, 0);
    size_t row = static_cast<size_t>(kShotWidth) * 3;
    if (pixels_.size() == image.size())
        for (int y = 0; y < kShotHeight; ++y)
            std::copy(pixels_.begin() + static_cast<long>(row) * (kShotHeight - 1 - y),
                      pixels_.begin() + static_cast<long>(row) * (kShotHeight - y),
                      image.begin() + static_cast<long>(row) * y);
    FILE* file = Sys_OpenFile(path, "wb");
    if (!file) {
        std::fprintf(stderr, "korvath-replay: cannot write %s\n", path.c_str());
        return false;
    }
    int ok = stbi_write_png_to_func(WriteToFile, file, kShotWidth, kShotHeight, 3, image.data(),
                                    static_cast<int>(row));
    return std::fclose(file) == 0 && ok != 0;
}
