// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/sound_player.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/files/files.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/wav_format.h"
#include "platform/system/first_paint.h"

namespace {
// How often the output thread looks for voices whose data is used up.
constexpr std::chrono::milliseconds PollInterval{4};

WindowLoadedQuery windowLoaded = nullptr;

// The voices handed from the calling thread to the output thread. One
// thread owns the output device: it is opened there, on the first sound, so
// a slow or missing device never holds up the windows.
struct Player {
    std::mutex lock;
    std::condition_variable wake;
    std::vector<PcmVoice> queued;
    // StopAllSounds calls so far; a voice queued before a stop never starts.
    std::atomic<std::uint64_t> stops = 0;
    std::size_t live = 0;
    bool quit = false;
    // Set when the thread starts while a window is still to paint its first frame.
    bool awaitFirstFrame = false;
    std::thread thread;

    ~Player() { Close(); }
    void Close();
    void AwaitFirstFrame();
    void Run();
    void Ended(std::size_t count);
    std::size_t StartQueued(AudioOutput& output, std::vector<PcmVoice> voices, std::uint64_t stopsSeen);
};

Player& ThePlayer()
{
    static Player player;
    return player;
}

void Player::Ended(std::size_t count)
{
    if (count == 0)
        return;
    const std::lock_guard guard(lock);
    live -= count;
}

// Gives how many of the voices ended at once, unheard.
std::size_t Player::StartQueued(AudioOutput& output, std::vector<PcmVoice> voices, std::uint64_t stopsSeen)
{
    std::size_t ended = 0;
    for (const PcmVoice& voice : voices) {
        if (stops != stopsSeen || !output.Start(voice))
            ++ended;
    }
    return ended;
}

// Opening the device loads libraries and starts the mixer, which would
// compete with the first frame of the first window: that frame comes first.
void Player::AwaitFirstFrame()
{
    std::unique_lock guard(lock);
    if (!awaitFirstFrame)
        return;
    const auto deadline = std::chrono::steady_clock::now() + FirstFrameWait;
    while (!quit && !FirstPaintDone() && std::chrono::steady_clock::now() < deadline)
        wake.wait_for(guard, PollInterval);
}

void Player::Run()
{
    AwaitFirstFrame();
    AudioOutput output;
    std::unique_lock guard(lock);
    // Stops before this thread began found nothing to end.
    std::uint64_t stopsSeen = stops;
    const auto due = [&] { return quit || !queued.empty() || stops != stopsSeen; };
    while (!quit) {
        if (stops != stopsSeen) {
            stopsSeen = stops;
            guard.unlock();
            Ended(output.StopAll());
        } else if (!queued.empty()) {
            std::vector<PcmVoice> voices = std::exchange(queued, {});
            guard.unlock();
            Ended(StartQueued(output, std::move(voices), stopsSeen));
        } else {
            guard.unlock();
            Ended(output.ReleaseFinished());
        }
        guard.lock();
        if (output.Playing() == 0)
            wake.wait(guard, due);
        else
            wake.wait_for(guard, PollInterval, due);
    }
    guard.unlock();
    output.StopAll();
}

void Player::Close()
{
    {
        const std::lock_guard guard(lock);
        if (!thread.joinable())
            return;
        quit = true;
    }
    wake.notify_one();
    thread.join();
    const std::lock_guard guard(lock);
    thread = std::thread();
    queued.clear();
    live = 0;
    quit = false;
}

PcmVoice CopyVoice(const WavSound& sound, bool repeat)
{
    PcmVoice voice;
    voice.channels = sound.channels;
    voice.sampleRate = sound.sampleRate;
    voice.bitsPerSample = sound.bitsPerSample;
    voice.samples.assign(sound.data.begin(), sound.data.end());
    voice.repeat = repeat;
    return voice;
}

// A MIDI file: the game plays none, so it is recognised and refused.
bool IsMidi(std::span<const std::uint8_t> bytes)
{
    return bytes.size() > 4 && std::memcmp(bytes.data(), "MThd", 4) == 0;
}
}  // namespace

bool PlaySoundData(std::span<const std::uint8_t> sound, bool repeat)
{
    if (IsMidi(sound))
        return false;
    const std::optional<WavSound> wav = ParseWav(sound);
    if (!wav)
        return false;
    PcmVoice voice = CopyVoice(*wav, repeat);
    Player& player = ThePlayer();
    {
        const std::lock_guard guard(player.lock);
        if (!player.thread.joinable()) {
            QuietenSoundLibraries();
            player.awaitFirstFrame = windowLoaded && windowLoaded() && !FirstPaintDone();
            player.thread = std::thread([&player] { player.Run(); });
        }
        player.queued.push_back(std::move(voice));
        ++player.live;
    }
    player.wake.notify_one();
    return true;
}

bool PlaySoundData(const std::string& fileName, bool repeat)
{
    return PlaySoundData(ReadWholeFile(fileName), repeat);
}

void StopAllSounds()
{
    Player& player = ThePlayer();
    {
        const std::lock_guard guard(player.lock);
        player.live -= player.queued.size();
        player.queued.clear();
        ++player.stops;
    }
    player.wake.notify_one();
}

std::size_t LiveVoiceCount()
{
    Player& player = ThePlayer();
    const std::lock_guard guard(player.lock);
    return player.live;
}

void CloseSoundOutput()
{
    ThePlayer().Close();
}

void SetWindowLoadedQuery(WindowLoadedQuery query)
{
    windowLoaded = query;
}
