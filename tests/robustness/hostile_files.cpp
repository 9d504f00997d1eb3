#include "hostile_files.h"

#include <cstdio>
#include <fstream>
#include <random>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "support/program_run.h"

namespace fs = std::filesystem;

namespace {

// The row's change: the first `from` in the file becomes `to`.
std::function<void(const fs::path&)> Edit(const std::string& file, const std::string& from,
                                          const std::string& to) {
    return [=](const fs::path& data) {
        std::string text = ReadFile(data / file);
        size_t at = text.find(from);
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
        ReplaceFile(data / file, text);
    };
}

// A grey picture encoded by libjpeg.
std::string EncodeJpeg(int width, int height) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3, 128);
    for (JSAMPROW line = row.data(); cinfo.next_scanline < cinfo.image_height;)
        jpeg_write_scanlines(&cinfo, &line, 1);
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

std::string LongAnimation(int frames) {
    std::string text = "!\nblock\n!\n";
    for (int i = 0; i < frames; ++i)
        text += "#\nf\n$\n0\nbody\n0\n0\n0\n0\n0\n0\n1\n1\n1\n100\n$\n#\n";
    return text;
}

// Level 1's hero placed at x = 1e39, beyond any float.
void HeroFarAway(const fs::path& data) {
    std::string text = ReadFile(data / "levels.xml");
    size_t hero = text.find("<KeyVal Key=\"PawnTemplate\">14</KeyVal>");
    size_t value = text.find("Key=\"xoffset\">", hero) + 14;
    text.replace(value, text.find('<', value) - value, "1e39");
    ReplaceFile(data / "levels.xml", text);
}

// A WAV whose samples chunk claims nearly 4 GB.
void HugeSamples(const fs::path& data) {
    std::string wave = ReadFile(data / "sound/stage1.wav");
    size_t chunk = wave.find("data", 12);
    if (chunk != std::string::npos)
        wave.replace(chunk + 4, 4, "\xF0\xFF\xFF\xFF");
    ReplaceFile(data / "sound/stage1.wav", wave);
}

// A model whose vertex count, just after its header, claims 65,535 vertices.
void HugeVertexCount(const fs::path& data) {
    std::string model = ReadFile(data / "models/block.ms3d");
    model.replace(14, 2, "\xFF\xFF");
    ReplaceFile(data / "models/block.ms3d", model);
}

Row With(const std::string& file, const std::string& damage, const std::string& bytes) {
    return {file, damage, [=](const fs::path& data) { ReplaceFile(data / file, bytes); }};
}

}  // namespace

void ReplaceFile(const fs::path& path, const std::string& bytes) {
    fs::remove_all(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

std::vector<Row> WorstCases() {
    const std::string hero = "./gamedata\\anim\\hero.txt", block = "./gamedata\\models\\block.ms3d";
    std::vector<Row> rows = {
        {"pawntemp.xml", "a link to /dev/zero",
         [](const fs::path& d) {
             fs::remove(d / "pawntemp.xml");
             fs::create_symlink("/dev/zero", d / "pawntemp.xml");
         }},
        {"pawntemp.xml", "an animation path /dev/zero", Edit("pawntemp.xml", hero, "/dev/zero")},
        {"pawntemp.xml", "an animation path /dev/urandom",
         Edit("pawntemp.xml", hero, "/dev/urandom")},
        {"pawntemp.xml", "an animation path out of the folder",
         Edit("pawntemp.xml", hero, "./gamedata\\..\\..\\..\\..\\etc\\passwd")},
        {"pawntemp.xml", "an empty model path", Edit("pawntemp.xml", block, "")},
        {"pawntemp.xml", "a model path ending in a backslash",
         Edit("pawntemp.xml", block, "./gamedata\\models\\")},
        {"pawntemp.xml", "a model reference of 2147483647",
         Edit("pawntemp.xml", "\"ModelRef0\">0<", "\"ModelRef0\">2147483647<")},
        {"levels.xml", "a hero at x = 1e39", HeroFarAway},
        With("levels.xml", "40 MB, over the store's limit", "<!--" + std::string(40 << 20, 'x')),
        With("anim/block.txt", "100,000 frames", LongAnimation(100000)),
        With("models/stone.jpg", "a real 4096x4096 picture", EncodeJpeg(4096, 4096)),
        {"sound/stage1.wav", "a samples chunk that says 4 GB", HugeSamples},
        {"models/block.ms3d", "a vertex count beyond the file", HugeVertexCount},
    };
    return rows;
}
