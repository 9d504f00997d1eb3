// Audio on OpenAL: a voice is a source, a buffer an OpenAL buffer bound to
// it, all on one shared device and context. OpenAL restarts a playing source
// on alSourcePlay and will not unbind a paused one, so both are handled here.

#include <AL/al.h>
#include <AL/alc.h>

#include <climits>

#include "platform/sys_audio.h"

struct Sys_AudioVoice {
    ALuint source;
    Sys_AudioBuffer* attached;
};

struct Sys_AudioBuffer {
    ALuint name;
    Sys_AudioVoice* voice;
    size_t bytes;
};

namespace {

struct {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool openFailed = false;  // with no sound card every later attempt fails too
    int liveVoices = 0;
} g_audio;

void CloseDeviceAndContext() {
    alcMakeContextCurrent(nullptr);
    if (g_audio.context)
        alcDestroyContext(g_audio.context);
    if (g_audio.device)
        alcCloseDevice(g_audio.device);
    g_audio.context = nullptr;
    g_audio.device = nullptr;
}

bool EnsureDevice() {
    if (g_audio.context || g_audio.openFailed)
        return g_audio.context != nullptr;
    g_audio.device = alcOpenDevice(nullptr);
    if (g_audio.device)
        g_audio.context = alcCreateContext(g_audio.device, nullptr);
    if (g_audio.context && alcMakeContextCurrent(g_audio.context))
        return true;
    CloseDeviceAndContext();
    g_audio.openFailed = true;
    return false;
}

ALenum FloatFormat(int channels) {
    if (!alIsExtensionPresent("AL_EXT_FLOAT32"))
        return AL_NONE;
    return alGetEnumValue(channels == 1 ? "AL_FORMAT_MONO_FLOAT32" : "AL_FORMAT_STEREO_FLOAT32");
}

ALenum OpenALFormat(const Sys_AudioFormat& format) {
    bool mono = format.channels == 1;
    if ((!mono && format.channels != 2) || format.sampleRate == 0 || format.sampleRate > INT_MAX)
        return AL_NONE;
    if (format.encoding == Sys_SampleEncoding::Pcm && format.bitsPerSample == 8)
        return mono ? AL_FORMAT_MONO8 : AL_FORMAT_STEREO8;
    if (format.encoding == Sys_SampleEncoding::Pcm && format.bitsPerSample == 16)
        return mono ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    if (format.encoding == Sys_SampleEncoding::Float && format.bitsPerSample == 32)
        return FloatFormat(format.channels);
    return AL_NONE;
}

ALint SourceValue(ALuint source, ALenum what) {
    ALint value = 0;
    alGetSourcei(source, what, &value);
    return value;
}

// Uploads whole frames of the samples into a new OpenAL buffer and cuts
// *bytes to them; 0 on refusal.
ALuint UploadSamples(const void* samples, size_t* bytes, const Sys_AudioFormat& format) {
    ALenum alFormat = OpenALFormat(format);
    if (alFormat == AL_NONE)
        return 0;
    *bytes -= *bytes % (static_cast<size_t>(format.channels) * (format.bitsPerSample / 8));
    if (*bytes == 0 || *bytes > INT_MAX)
        return 0;
    alGetError();
    ALuint name = 0;
    alGenBuffers(1, &name);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alBufferData(name, alFormat, samples, static_cast<ALsizei>(*bytes),
                 static_cast<ALsizei>(format.sampleRate));
    if (alGetError() == AL_NO_ERROR)
        return name;
    alDeleteBuffers(1, &name);
    return 0;
}

}  // namespace

Sys_AudioVoice* Sys_CreateVoice() {
    if (!EnsureDevice())
        return nullptr;
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return nullptr;
    ++g_audio.liveVoices;
    return new Sys_AudioVoice{source, nullptr};
}

void Sys_ReleaseVoice(Sys_AudioVoice* voice) {
    if (!voice)
        return;
    Sys_ReleaseBuffer(voice->attached);
    alDeleteSources(1, &voice->source);
    --g_audio.liveVoices;
    delete voice;
}

Sys_AudioBuffer* Sys_CreateBuffer(Sys_AudioVoice* voice, const void* samples, size_t bytes,
                                  const Sys_AudioFormat& format) {
    if (!voice)
        return nullptr;
    Sys_ReleaseBuffer(voice->attached);
    ALuint name = UploadSamples(samples, &bytes, format);
    if (name == 0)
        return nullptr;
    alSourcei(voice->source, AL_BUFFER, static_cast<ALint>(name));
    voice->attached = new Sys_AudioBuffer{name, voice, bytes};
    return voice->attached;
}

void Sys_ReleaseBuffer(Sys_AudioBuffer* buffer) {
    if (!buffer)
        return;
    alSourceStop(buffer->voice->source);  // a paused source keeps its buffer bound
    alSourcei(buffer->voice->source, AL_BUFFER, 0);
    alDeleteBuffers(1, &buffer->name);
    buffer->voice->attached = nullptr;
    delete buffer;
}

size_t Sys_BufferBytes(const Sys_AudioBuffer* buffer) {
    return buffer ? buffer->bytes : 0;
}

void Sys_PlayBuffer(Sys_AudioBuffer* buffer, bool looping) {
    if (!buffer)
        return;
    alSourcei(buffer->voice->source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    if (SourceValue(buffer->voice->source, AL_SOURCE_STATE) != AL_PLAYING)
        alSourcePlay(buffer->voice->source);
}

void Sys_StopBuffer(Sys_AudioBuffer* buffer) {
    if (Sys_BufferPlaying(buffer))
        alSourcePause(buffer->voice->source);
}

bool Sys_BufferPlaying(const Sys_AudioBuffer* buffer) {
    return buffer && SourceValue(buffer->voice->source, AL_SOURCE_STATE) == AL_PLAYING;
}

int Sys_BufferPosition(const Sys_AudioBuffer* buffer) {
    return buffer ? SourceValue(buffer->voice->source, AL_SAMPLE_OFFSET) : 0;
}

bool Sys_AudioDeviceOpen() {
    return g_audio.context != nullptr;
}

bool Sys_CloseAudioDevice() {
    if (g_audio.liveVoices > 0)
        return false;
    CloseDeviceAndContext();
    g_audio.openFailed = false;
    return true;
}
