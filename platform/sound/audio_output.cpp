// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/audio_output.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <QByteArray>
#include <QtGlobal>
#include <type_traits>

#if defined(__linux__)
#include <dlfcn.h>
#endif

static_assert(std::is_same_v<ALuint, unsigned>);

namespace {
ALCdevice* Device(void* device)
{
    return static_cast<ALCdevice*>(device);
}

ALCcontext* Context(void* context)
{
    return static_cast<ALCcontext*>(context);
}

ALenum BufferFormat(const PcmVoice& voice)
{
    if (voice.channels == 1)
        return voice.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    return voice.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

#if defined(__linux__)
// ALSA's error handler has a C variadic signature.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...)
{
}
#endif

// ALSA reports a missing sound card on stderr. Its error handler is
// process-wide; the library stays loaded so that the handler stays in place.
void SilenceAlsa()
{
#if defined(__linux__)
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL)) {
        if (void* setHandler = dlsym(alsa, "snd_lib_error_set_handler"))
            reinterpret_cast<int (*)(ErrorHandler)>(setHandler)(IgnoreAlsaError);
    }
#endif
}
}  // namespace

void QuietenSoundLibraries()
{
    // OpenAL Soft reads its log level once, at its first call.
    if (!qEnvironmentVariableIsSet("ALSOFT_LOGLEVEL"))
        qputenv("ALSOFT_LOGLEVEL", QByteArrayLiteral("0"));
}

AudioOutput::AudioOutput()
{
    SilenceAlsa();
    ALCdevice* opened = alcOpenDevice(nullptr);
    if (!opened)
        return;
    ALCcontext* made = alcCreateContext(opened, nullptr);
    if (!made || !alcMakeContextCurrent(made)) {
        if (made)
            alcDestroyContext(made);
        alcCloseDevice(opened);
        return;
    }
    device = opened;
    context = made;
}

AudioOutput::~AudioOutput()
{
    if (!context)
        return;
    StopAll();
    alDeleteSources(ALsizei(idleSources.size()), idleSources.data());
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(Context(context));
    alcCloseDevice(Device(device));
}

bool AudioOutput::Start(const PcmVoice& voice)
{
    if (!context)
        return false;
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return false;
    alBufferData(buffer, BufferFormat(voice), voice.samples.data(), ALsizei(voice.samples.size()),
                 ALsizei(voice.sampleRate));
    const ALuint source = alGetError() == AL_NO_ERROR ? TakeSource() : 0;
    if (source == 0) {
        alDeleteBuffers(1, &buffer);
        return false;
    }
    alSourcei(source, AL_BUFFER, ALint(buffer));
    alSourcei(source, AL_LOOPING, voice.repeat ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);
    const Voice started{source, buffer};
    if (alGetError() != AL_NO_ERROR) {
        Release(started);
        return false;
    }
    voices.push_back(started);
    return true;
}

std::size_t AudioOutput::StopAll()
{
    for (const Voice& voice : voices)
        Release(voice);
    const std::size_t ended = voices.size();
    voices.clear();
    return ended;
}

std::size_t AudioOutput::ReleaseFinished()
{
    const auto finished = [this](const Voice& voice) {
        ALint state = AL_STOPPED;
        alGetSourcei(voice.source, AL_SOURCE_STATE, &state);
        if (state != AL_STOPPED)
            return false;
        Release(voice);
        return true;
    };
    return std::erase_if(voices, finished);
}

unsigned AudioOutput::TakeSource()
{
    if (!idleSources.empty()) {
        const ALuint source = idleSources.back();
        idleSources.pop_back();
        return source;
    }
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    // Heard as it is, wherever the listener stands.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    return source;
}

void AudioOutput::Release(const Voice& voice)
{
    alSourceStop(voice.source);
    alSourcei(voice.source, AL_BUFFER, 0);
    alDeleteBuffers(1, &voice.buffer);
    idleSources.push_back(voice.source);
}
