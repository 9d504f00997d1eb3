// The fuzz targets for single files: each input becomes one data file, read
// by the game's own loader for its kind.

#include <cstdlib>
#include <string>

#include "fuzz_data_folder.h"
#include "fuzz_targets.h"
#include "render/jpeg_image.h"
#include "render/model.h"
#include "sound/sound_effect.h"
#include "sound/wave_chunks.h"
#include "world/pawn_template.h"

namespace {

// One record with a device on the silent audio output, made once.
SoundEffect* FuzzSound() {
    static SoundEffect sound = [] {
        setenv("ALSOFT_DRIVERS", "null", 0);
        SoundEffect made{};
        CreateDevice(&made);
        return made;
    }();
    return &sound;
}

}  // namespace

int FuzzModel(const uint8_t* data, size_t size) {
    Model model;
    std::string why;
    model.Load(WriteFuzzFile("fuzz.ms3d", data, size).c_str(), &why, false);
    return 0;
}

int FuzzWave(const uint8_t* data, size_t size) {
    WaveChunks chunks = {};
    FindWaveChunks(data, size, &chunks);
    LoadWave(FuzzSound(), WriteFuzzFile("fuzz.wav", data, size).c_str());
    return 0;
}

int FuzzAnimation(const uint8_t* data, size_t size) {
    PawnTemplate kind;
    kind.LoadAnimation(WriteFuzzFile("fuzz.txt", data, size).c_str());
    int parts = 0;
    for (int frame = 0; frame < kind.FrameCount(); ++frame)
        for (auto* part = kind.FrameAt(frame)->head; part; part = part->next)
            parts += part->data.ModelRef != 0;
    return parts < 0;
}

int FuzzJpeg(const uint8_t* data, size_t size) {
    JpegImage image;
    std::string why;
    DecodeJpeg(WriteFuzzFile("fuzz.jpg", data, size).c_str(), &image, &why);
    return 0;
}

FuzzFunction FuzzTarget(const std::string& name) {
    if (name == "model")
        return FuzzModel;
    if (name == "wave")
        return FuzzWave;
    if (name == "animation")
        return FuzzAnimation;
    if (name == "store")
        return FuzzStore;
    return name == "jpeg" ? FuzzJpeg : nullptr;
}
