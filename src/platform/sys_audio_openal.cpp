// Voices and buffers on OpenAL: a voice is a source, a buffer an OpenAL
// buffer bound to it. OpenAL restarts a playing source on alSourcePlay and
// will not unbind a paused one, so both are handled here to keep the
// behaviour described in sys_audio.h.

#include <climits>

#include "platform/sys_audio_openal.h"

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

ALint SourceState(ALuint source) {
    ALint state = AL_INITIAL;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

// Uploads whole frames of the samples into a new OpenAL buffer and cuts
// *bytes to them; 0 on refusal.
ALuint UploadSamples(const void* samples, size_t* bytes, const Sys_AudioFormat& format) {
    ALenum alFormat = Sys_OpenALFormat(format);
    if (alFormat == AL_NONE)
        return 0;
    size_t frameBytes = static_cast<size_t>(format.channels) * (format.bitsPerSample / 8);
    *bytes -= *bytes % frameBytes;
    if (*bytes == 0 || *bytes > INT_MAX)
        return 0;
    alGetError();
    ALuint name = 0;
    alGenBuffers(1, &name);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alBufferData(name, alFormat, samples, static_cast<ALsizei>(*bytes),
                 static_cast<ALsizei>(format.sampleRate));
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &name);
        return 0;
    }
    return name;
}

}  // namespace

Sys_AudioVoice* Sys_CreateVoice() {
    if (!Sys_EnsureAudioDevice())
        return nullptr;
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return nullptr;
    Sys_CountVoice(+1);
    return new Sys_AudioVoice{source, nullptr};
}

void Sys_ReleaseVoice(Sys_AudioVoice* voice) {
    if (!voice)
        return;
    Sys_ReleaseBuffer(voice->attached);
    alDeleteSources(1, &voice->source);
    Sys_CountVoice(-1);
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
    ALuint source = buffer->voice->source;
    alSourceStop(source);  // a paused source keeps its buffer bound
    alSourcei(source, AL_BUFFER, 0);
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
    ALuint source = buffer->voice->source;
    alSourcei(source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    if (SourceState(source) != AL_PLAYING)
        alSourcePlay(source);
}

void Sys_StopBuffer(Sys_AudioBuffer* buffer) {
    if (buffer && SourceState(buffer->voice->source) == AL_PLAYING)
        alSourcePause(buffer->voice->source);
}

bool Sys_BufferPlaying(const Sys_AudioBuffer* buffer) {
    return buffer && SourceState(buffer->voice->source) == AL_PLAYING;
}

int Sys_BufferPosition(const Sys_AudioBuffer* buffer) {
    ALint offset = 0;
    if (buffer)
        alGetSourcei(buffer->voice->source, AL_SAMPLE_OFFSET, &offset);
    return offset;
}
