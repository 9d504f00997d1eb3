#pragma once
// JPEG pictures decoded to RGB for upload as textures.

#include <memory>
#include <string>
#include <vector>

// An RGB picture with its rows stored bottom-up: row 0 of pixels is the last
// scanline of the file, which is what GL takes as texture row 0.
struct JpegImage {
    int rowSpan = 0;  // bytes per row: width times 3
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // rowSpan * height bytes
};

// Pictures wider or taller than this are refused before they are decoded.
constexpr int kJpegMaxSide = 4096;

// Decodes a JPEG file into *image. Grey pictures are expanded to RGB; CMYK and
// YCCK pictures, precisions other than 8 bits, pictures larger than maxSide on
// either side and corrupt data are refused with false and a reason in *why.
bool DecodeJpeg(const char* path, JpegImage* image, std::string* why, int maxSide = kJpegMaxSide);

// DecodeJpeg, or null after a line on standard error naming the file and why.
std::unique_ptr<JpegImage> LoadJpeg(const char* path, int maxSide = kJpegMaxSide);
