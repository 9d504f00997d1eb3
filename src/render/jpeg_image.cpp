#include "render/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/sys_dialog.h"
#include "platform/sys_path.h"

namespace {

// libjpeg's default error handler ends the process; this one jumps back to
// DecodeFrom, whose frame is still live, with the message kept for the caller.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
    JpegErrorManager* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    manager->pub.format_message(cinfo, manager->message);
    std::longjmp(manager->resume, 1);
}

// Warnings (such as a missing end marker) are not errors: the decoder fills
// what is missing and goes on, so they are dropped.
void JpegOutputMessage(j_common_ptr /*cinfo*/) {}

// Checks the header's facts before any pixel memory is taken.
const char* RefuseReason(const jpeg_decompress_struct& cinfo, int maxSide) {
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        return "CMYK and YCCK pictures are not supported";
    if (cinfo.data_precision != 8)
        return "only 8-bit pictures are supported";
    if (cinfo.image_width == 0 || cinfo.image_height == 0)
        return "empty picture";
    if (cinfo.image_width > static_cast<unsigned>(maxSide) ||
        cinfo.image_height > static_cast<unsigned>(maxSide))
        return "picture too large for a texture";
    return nullptr;
}

// Sizes the buffer from the decoder's output dimensions; false if they are
// not what was asked for.
bool PrepareImage(const jpeg_decompress_struct& cinfo, JpegImage* image) {
    if (cinfo.output_components != 3)
        return false;
    image->width = static_cast<int>(cinfo.output_width);
    image->height = static_cast<int>(cinfo.output_height);
    image->rowSpan = image->width * 3;
    image->pixels.assign(static_cast<size_t>(image->rowSpan) * static_cast<size_t>(image->height),
                         0);
    return true;
}

// Scanline k from the top goes to buffer row height - 1 - k.
bool ReadRowsBottomUp(jpeg_decompress_struct* cinfo, JpegImage* image) {
    while (cinfo->output_scanline < cinfo->output_height) {
        size_t row = image->height - 1 - cinfo->output_scanline;
        JSAMPROW target = image->pixels.data() + row * static_cast<size_t>(image->rowSpan);
        if (jpeg_read_scanlines(cinfo, &target, 1) != 1)
            return false;
    }
    return true;
}

// Everything between the jump target and the calls that may jump holds only
// trivially destructible locals, so the jump skips no destructor.
bool DecodeFrom(std::FILE* file, JpegImage* image, const char** reason, char* libMessage,
                int maxSide) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager manager;
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = JpegErrorExit;
    manager.pub.output_message = JpegOutputMessage;
    manager.message[0] = '\0';
    if (setjmp(manager.resume)) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(libMessage, JMSG_LENGTH_MAX, "%s", manager.message);
        *reason = libMessage;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    bool ok = false;
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        *reason = "no image in file";
    } else if ((*reason = RefuseReason(cinfo, maxSide)) == nullptr) {
        cinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&cinfo);
        ok = PrepareImage(cinfo, image) && ReadRowsBottomUp(&cinfo, image);
        if (ok)
            jpeg_finish_decompress(&cinfo);
        else
            *reason = "unexpected decoder output";
    }
    jpeg_destroy_decompress(&cinfo);
    return ok;
}

}  // namespace

bool DecodeJpeg(const char* path, JpegImage* image, std::string* why, int maxSide) {
    std::FILE* file = Sys_OpenFile(path, "rb");
    if (!file) {
        *why = "cannot open file";
        return false;
    }
    const char* reason = nullptr;
    char libMessage[JMSG_LENGTH_MAX] = "";
    bool ok = DecodeFrom(file, image, &reason, libMessage, maxSide);
    std::fclose(file);
    if (!ok) {
        *image = JpegImage();
        *why = reason ? reason : "corrupt picture";
    }
    return ok;
}

std::unique_ptr<JpegImage> LoadJpeg(const char* path, int maxSide) {
    auto image = std::make_unique<JpegImage>();
    std::string why;
    if (DecodeJpeg(path, image.get(), &why, maxSide))
        return image;
    Sys_MessageBox("Error loading jpg file.", "ERROR", BoxIcon::None);
    return nullptr;
}
