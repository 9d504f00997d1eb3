// The shared OpenAL device and context of all voices, and the sample formats
// it accepts.

#include <AL/alc.h>

#include <climits>

#include "platform/sys_audio_openal.h"

namespace {

ALCdevice* audioDevice;
ALCcontext* audioContext;
bool audioOpenFailed;  // with no sound card every later attempt fails too
int liveVoices;

void CloseDeviceAndContext() {
    alcMakeContextCurrent(nullptr);
    if (audioContext)
        alcDestroyContext(audioContext);
    if (audioDevice)
        alcCloseDevice(audioDevice);
    audioContext = nullptr;
    audioDevice = nullptr;
}

ALenum FloatFormat(int channels) {
    if (!alIsExtensionPresent("AL_EXT_FLOAT32"))
        return AL_NONE;
    return alGetEnumValue(channels == 1 ? "AL_FORMAT_MONO_FLOAT32" : "AL_FORMAT_STEREO_FLOAT32");
}

}  // namespace

bool Sys_EnsureAudioDevice() {
    if (audioContext)
        return true;
    if (audioOpenFailed)
        return false;
    audioDevice = alcOpenDevice(nullptr);
    if (audioDevice)
        audioContext = alcCreateContext(audioDevice, nullptr);
    if (!audioContext || !alcMakeContextCurrent(audioContext)) {
        CloseDeviceAndContext();
        audioOpenFailed = true;
        return false;
    }
    return true;
}

void Sys_CountVoice(int delta) {
    liveVoices += delta;
}

bool Sys_AudioDeviceOpen() {
    return audioContext != nullptr;
}

bool Sys_CloseAudioDevice() {
    if (liveVoices > 0)
        return false;
    CloseDeviceAndContext();
    audioOpenFailed = false;
    return true;
}

ALenum Sys_OpenALFormat(const Sys_AudioFormat& format) {
    if (format.channels != 1 && format.channels != 2)
        return AL_NONE;
    if (format.sampleRate == 0 || format.sampleRate > INT_MAX)
        return AL_NONE;
    bool mono = format.channels == 1;
    if (format.encoding == Sys_SampleEncoding::Pcm && format.bitsPerSample == 8)
        return mono ? AL_FORMAT_MONO8 : AL_FORMAT_STEREO8;
    if (format.encoding == Sys_SampleEncoding::Pcm && format.bitsPerSample == 16)
        return mono ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    if (format.encoding == Sys_SampleEncoding::Float && format.bitsPerSample == 32)
        return FloatFormat(format.channels);
    return AL_NONE;
}
