// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output device and the voices playing on it. Used only by the
// sound player's own thread, which owns the one AudioOutput.
#include <cstddef>
#include <cstdint>
#include <vector>

// One sound to be played: its own copy of the sample data and its format.
struct PcmVoice {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::uint8_t> samples;
    bool repeat = false;
};

// Keeps OpenAL from writing to the console when no output device is present;
// call before the first AudioOutput is made, on the thread that starts its owner.
void QuietenSoundLibraries();

class AudioOutput {
public:
    // Opens the default output device; without one every voice stays silent.
    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Starts a voice; false when it cannot sound (no device, a refused
    // format, no free source), which ends it at once.
    bool Start(const PcmVoice& voice);
    // Ends every voice; gives how many ended.
    std::size_t StopAll();
    // Ends the voices whose data is used up; gives how many ended.
    std::size_t ReleaseFinished();
    std::size_t Playing() const { return voices.size(); }

private:
    struct Voice {
        unsigned source;
        unsigned buffer;
    };
    unsigned TakeSource();
    void Release(const Voice& voice);

    void* device = nullptr;
    void* context = nullptr;
    std::vector<Voice> voices;
    // Sources of ended voices, reused: OpenAL allows only a few hundred.
    std::vector<unsigned> idleSources;
};
