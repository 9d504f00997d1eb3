#include "render/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/sys_path.h"

namespace {

// The largest picture file read; the game's own are far below it.
constexpr size_t kMaxJpegBytes = 32u << 20;
// What decoding one picture may take: libjpeg's own memory limit, and the
// estimate that refuses a picture before any of it is decoded.
constexpr long kMaxDecodeBytes = 256L << 20;

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

// What decoding will take: the RGB result and a row buffer, and for a
// progressive picture the coefficients of the whole picture, two bytes each.
long DecodeBytes(const jpeg_decompress_struct& cinfo) {
    const long pixels = static_cast<long>(cinfo.image_width) * cinfo.image_height;
    const long coefficients = cinfo.progressive_mode ? pixels * cinfo.num_components * 2 : 0;
    return pixels * 3 + coefficients;
}

// Checks the header's facts before any pixel memory is taken; the reason for
// a refusal is written into reason.
bool Refused(const jpeg_decompress_struct& cinfo, int maxSide, std::string* reason) {
    const std::string size =
        std::to_string(cinfo.image_width) + "x" + std::to_string(cinfo.image_height);
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        *reason = "CMYK and YCCK pictures are not supported";
    else if (cinfo.data_precision != 8)
        *reason = "only 8-bit pictures are supported";
    else if (cinfo.image_width == 0 || cinfo.image_height == 0)
        *reason = "empty picture";
    else if (cinfo.image_width > static_cast<unsigned>(maxSide) ||
             cinfo.image_height > static_cast<unsigned>(maxSide))
        *reason = "picture " + size + " is larger than " + std::to_string(maxSide);
    else if (DecodeBytes(cinfo) > kMaxDecodeBytes)
        *reason = "picture " + size + " would take more than " +
                  std::to_string(kMaxDecodeBytes >> 20) + " MB to decode";
    return !reason->empty();
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
bool DecodeFrom(const std::vector<char>& bytes, JpegImage* image, std::string* reason,
                int maxSide) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager manager;
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = JpegErrorExit;
    manager.pub.output_message = JpegOutputMessage;
    manager.message[0] = '\0';
    if (setjmp(manager.resume)) {
        jpeg_destroy_decompress(&cinfo);
        *reason = manager.message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxDecodeBytes;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    bool ok = false;
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        *reason = "no image in file";
    } else if (!Refused(cinfo, maxSide, reason)) {
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
    std::vector<char> bytes;
    bool ok = false;
    try {
        ok = Sys_ReadDataFile(path, kMaxJpegBytes, &bytes, why) &&
             DecodeFrom(bytes, image, why, maxSide);
    } catch (const std::exception& failure) {  // nothing a file holds may end the program
        *why = failure.what();
    }
    if (!ok)
        *image = JpegImage();
    return ok;
}

std::unique_ptr<JpegImage> LoadJpeg(const char* path, int maxSide) {
    auto image = std::make_unique<JpegImage>();
    std::string why;
    if (DecodeJpeg(path, image.get(), &why, maxSide))
        return image;
    Sys_ReportFileProblem(path, why);
    return nullptr;
}
