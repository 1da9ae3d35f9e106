// SPDX-License-Identifier: GPL-3.0-or-later
// Starting and stopping sounds from the user-interface thread: PlaySoundData
// of the largest effect (the new-game sound) and StopAllSounds, against a
// plain copy of the same bytes measured in the same run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "media/sound_effects.h"
#include "platform/sound/sound_player.h"
#include "platform/system/bytes.h"

namespace {
constexpr int Rounds = 201;

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The value below which the given fraction of the timings lie.
double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
}

void Report(const char* what, const std::vector<double>& values, const std::vector<double>& baseline)
{
    std::printf("  %-26s median %7.1f us  90%% %7.1f us  99%% %7.1f us  (median %.2f x the copy)\n", what,
                Percentile(values, 0.5), Percentile(values, 0.9), Percentile(values, 0.99),
                Percentile(values, 0.5) / Percentile(baseline, 0.5));
}

void WaitForSilence()
{
    while (LiveVoiceCount() != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
}  // namespace

int main()
{
    const std::span<const std::uint8_t> sound = EffectSound(Effect::NewGame);
    // The first sound opens the output device on the player's own thread.
    PlaySoundData(sound);
    StopAllSounds();
    WaitForSilence();

    std::vector<double> copies;
    std::vector<double> plays;
    std::vector<double> stops;
    std::size_t checksum = 0;
    for (int round = 0; round < Rounds; ++round) {
        Clock::time_point start = Clock::now();
        const Bytes copy(sound.begin(), sound.end());
        copies.push_back(Microseconds(start));
        checksum += copy[round % copy.size()];

        start = Clock::now();
        const bool started = PlaySoundData(sound);
        plays.push_back(Microseconds(start));
        checksum += started;

        start = Clock::now();
        StopAllSounds();
        stops.push_back(Microseconds(start));
        WaitForSilence();
    }
    std::printf("sound: %zu-byte effect, %d rounds (checksum %zu)\n", sound.size(), Rounds, checksum);
    Report("baseline: copy of the bytes", copies, copies);
    Report("PlaySoundData", plays, copies);
    Report("StopAllSounds", stops, copies);
    CloseSoundOutput();
    return 0;
}
