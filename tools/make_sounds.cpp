// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the game's ten sound effects and writes them as WAV files:
//   new_game.wav       stereo 44100 Hz 16 bit  2.12 s  a gentle rising chime
//   clock_start.wav    mono    8000 Hz 16 bit  0.52 s  a soft tick-tock
//   pick_up.wav        stereo 22050 Hz 16 bit  0.07 s  a light tick
//   correct_drop.wav   mono   22050 Hz  8 bit  1.86 s  a soft wooden knock with a short ring
//   in_place.wav       mono   44100 Hz 16 bit  0.55 s  a softer, duller knock
//   refused.wav        mono   22050 Hz  8 bit  0.26 s  a low soft buzz
//   win1.wav           stereo 44100 Hz 16 bit  0.57 s  a bright chord stab
//   win2.wav           mono   11025 Hz 16 bit  4.19 s  a small fanfare over a held chord
//   win3.wav           stereo 44100 Hz 16 bit  2.03 s  a rising run into a closing chord
//   spin_in_place.wav  mono   11025 Hz  8 bit  1.61 s  a playful falling-then-rising wobble
// Usage: make_sounds <output folder>
// Sizes, formats and chunk layouts are fixed; every value comes from fixed
// parameters and seeds, so the files are the same on every run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

using Track = std::vector<double>;
using Bytes = std::vector<std::uint8_t>;

// A musical pitch from its MIDI note number (69 = A4 = 440 Hz).
double Pitch(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

constexpr double C4 = 60, E4 = 64, G4 = 67, A4 = 69, C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83,
                 C6 = 84, D6 = 86, E6 = 88;

// One overtone of a tone: its frequency as a multiple of the fundamental, its
// level, and how fast it dies away on its own (time constant in seconds, 0 = never).
struct Partial {
    double ratio;
    double level;
    double decay;
};

// The loudness of a tone over time: a raised-cosine attack, an exponential
// decay and a raised-cosine release that ends at exactly zero.
struct Envelope {
    double attack;
    double decay;  // time constant in seconds, 0 = none
    double hold;   // seconds from the start until the release begins
    double release;

    double operator()(double t) const
    {
        if (t < 0.0 || t >= hold + release)
            return 0.0;
        double value = t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
        if (decay > 0.0)
            value *= std::exp(-t / decay);
        if (t > hold)
            value *= 0.5 + 0.5 * std::cos(std::numbers::pi * (t - hold) / release);
        return value;
    }
    double Length() const { return hold + release; }
};

// Where a tone sits between the left (-1) and right (+1) speaker, constant power.
struct Pan {
    double left;
    double right;
};

Pan PanAt(double position)
{
    const double angle = (position + 1.0) * std::numbers::pi / 4.0;
    return {std::cos(angle), std::sin(angle)};
}

class Sound {
public:
    Sound(int rate, int channels, std::size_t frames) : rate(rate), tracks(channels, Track(frames, 0.0)) {}

    // Adds a tone whose fundamental follows `pitch` (Hz at seconds since its
    // start). Overtones near the Nyquist frequency fade out, so nothing aliases.
    void AddTone(double start, const std::function<double(double)>& pitch, const std::vector<Partial>& partials,
                 const Envelope& envelope, double level, double pan = 0.0)
    {
        const Pan gains = PanAt(pan);
        const double limit = 0.45 * rate;
        std::vector<double> phases(partials.size(), 0.0);
        const auto first = std::size_t(std::lround(start * rate));
        const auto count = std::size_t(std::ceil(envelope.Length() * rate));
        for (std::size_t i = 0; i < count && first + i < Frames(); ++i) {
            const double t = double(i) / rate;
            const double fundamental = pitch(t);
            double value = 0.0;
            for (std::size_t k = 0; k < partials.size(); ++k) {
                const Partial& partial = partials[k];
                const double frequency = partial.ratio * fundamental;
                const double fade = std::clamp((limit - frequency) / (0.05 * rate), 0.0, 1.0);
                const double decay = partial.decay > 0.0 ? std::exp(-t / partial.decay) : 1.0;
                value += partial.level * fade * decay * std::sin(phases[k]);
                phases[k] += Tau * frequency / rate;
            }
            Mix(first + i, value * envelope(t) * level, gains);
        }
    }

    void AddNote(double start, double frequency, const std::vector<Partial>& partials, const Envelope& envelope,
                 double level, double pan = 0.0)
    {
        AddTone(
            start, [frequency](double) { return frequency; }, partials, envelope, level, pan);
    }

    // A short burst of softened noise: the contact of a stick or a finger.
    void AddNoiseBurst(double start, double length, double smoothing, double level, std::uint32_t seed)
    {
        std::uint32_t state = seed;
        double low = 0.0;
        const Envelope envelope{0.0005, length / 3.0, length * 0.6, length * 0.4};
        const auto first = std::size_t(std::lround(start * rate));
        for (std::size_t i = 0; i < std::size_t(envelope.Length() * rate) && first + i < Frames(); ++i) {
            state = state * 1664525u + 1013904223u;
            const double white = (state >> 8) / 8388608.0 - 1.0;
            low += (white - low) * smoothing;
            Mix(first + i, low * envelope(double(i) / rate) * level, PanAt(0.0));
        }
    }

    // Scales to the given peak level in dB below full scale, then fades the
    // very first and last samples to zero so that nothing clicks.
    void Finish(double peakDb)
    {
        double peak = 0.0;
        for (const Track& track : tracks)
            for (const double value : track)
                peak = std::max(peak, std::abs(value));
        const double gain = std::pow(10.0, peakDb / 20.0) / peak;
        const std::size_t fadeIn = std::size_t(0.001 * rate) + 1;
        const std::size_t fadeOut = std::size_t(0.005 * rate) + 1;
        for (Track& track : tracks) {
            for (std::size_t i = 0; i < track.size(); ++i) {
                double edge = 1.0;
                if (i < fadeIn)
                    edge = double(i) / fadeIn;
                if (track.size() - 1 - i < fadeOut)
                    edge = std::min(edge, double(track.size() - 1 - i) / fadeOut);
                track[i] *= gain * edge;
            }
        }
    }

    // Interleaved PCM: 16-bit signed little-endian, or 8-bit unsigned with 128 as silence.
    Bytes Samples(int bits) const
    {
        Bytes bytes;
        for (std::size_t i = 0; i < Frames(); ++i) {
            for (const Track& track : tracks) {
                if (bits == 8) {
                    bytes.push_back(std::uint8_t(std::clamp(std::lround(track[i] * 127.0) + 128, 0L, 255L)));
                } else {
                    const auto value = std::uint16_t(std::clamp(std::lround(track[i] * 32767.0), -32768L, 32767L));
                    bytes.push_back(std::uint8_t(value & 0xFF));
                    bytes.push_back(std::uint8_t(value >> 8));
                }
            }
        }
        return bytes;
    }

    int Rate() const { return rate; }
    int Channels() const { return int(tracks.size()); }
    std::size_t Frames() const { return tracks[0].size(); }

private:
    void Mix(std::size_t frame, double value, Pan gains)
    {
        if (tracks.size() == 1) {
            tracks[0][frame] += value;
            return;
        }
        tracks[0][frame] += value * gains.left;
        tracks[1][frame] += value * gains.right;
    }

    int rate;
    std::vector<Track> tracks;
};

// Tone colours.
const std::vector<Partial> Chime{{1.0, 1.0, 0.0}, {2.0, 0.32, 0.6}, {3.0, 0.12, 0.35}, {4.16, 0.07, 0.12}};
const std::vector<Partial> Marimba{{1.0, 1.0, 0.0}, {3.93, 0.22, 0.05}, {9.2, 0.06, 0.012}};
const std::vector<Partial> SoftWood{{1.0, 1.0, 0.0}, {2.71, 0.18, 0.025}, {5.1, 0.05, 0.01}};

// A brass-like tone: harmonics falling off with their number, the high ones dying first.
std::vector<Partial> Brass(int harmonics, double brightness)
{
    std::vector<Partial> partials;
    for (int n = 1; n <= harmonics; ++n)
        partials.push_back({double(n), std::pow(double(n), -brightness), n == 1 ? 0.0 : 0.9 / std::sqrt(n)});
    return partials;
}

// A buzz: odd harmonics, gently rounded so that it hums rather than rasps.
std::vector<Partial> Buzz()
{
    std::vector<Partial> partials;
    for (int n = 1; n <= 15; n += 2)
        partials.push_back({double(n), 1.0 / std::pow(double(n), 1.4), 0.0});
    partials.push_back({2.0, 0.15, 0.0});
    return partials;
}

// A steady pitch with a slow vibrato that sets in after `delay` seconds.
std::function<double(double)> Sung(double frequency, double depth, double rate, double delay)
{
    return [=](double t) {
        const double amount = depth * std::clamp((t - delay) / 0.2, 0.0, 1.0);
        return frequency * (1.0 + amount * std::sin(Tau * rate * t));
    };
}

Sound NewGame()
{
    Sound sound(44100, 2, 93512);
    const double notes[] = {C5, E5, G5, C6, E6};
    for (int i = 0; i < 5; ++i) {
        const double start = 0.02 + 0.12 * i;
        const Envelope ring{0.004, 0.55 + 0.1 * i, 2.05 - start - 0.3, 0.3};
        sound.AddNote(start, Pitch(notes[i]), Chime, ring, i == 4 ? 0.55 : 0.8, -0.5 + 0.25 * i);
    }
    sound.AddNote(0.5, Pitch(C4), {{1.0, 1.0, 0.0}, {2.0, 0.2, 0.0}}, {0.25, 0.9, 1.2, 0.35}, 0.25);
    sound.Finish(-6.0);
    return sound;
}

Sound ClockStart()
{
    Sound sound(8000, 1, 4133);
    sound.AddNote(0.02, 1800.0, {{1.0, 1.0, 0.0}, {1.48, 0.45, 0.004}}, {0.0008, 0.007, 0.03, 0.02}, 1.0);
    sound.AddNoiseBurst(0.02, 0.004, 0.5, 0.25, 7);
    sound.AddNote(0.27, 1200.0, {{1.0, 1.0, 0.0}, {1.52, 0.4, 0.006}}, {0.0008, 0.012, 0.05, 0.03}, 0.9);
    sound.AddNoiseBurst(0.27, 0.004, 0.35, 0.2, 11);
    sound.Finish(-8.0);
    return sound;
}

Sound PickUp()
{
    Sound sound(22050, 2, 1582);
    const auto rising = [](double t) { return 1500.0 + 700.0 * std::min(t / 0.02, 1.0); };
    sound.AddTone(0.003, rising, {{1.0, 1.0, 0.0}, {2.0, 0.2, 0.008}}, {0.002, 0.012, 0.045, 0.02}, 1.0);
    sound.Finish(-10.0);
    return sound;
}

Sound CorrectDrop()
{
    Sound sound(22050, 1, 41057);
    sound.AddNoiseBurst(0.005, 0.006, 0.25, 0.3, 23);
    sound.AddNote(0.005, Pitch(G4), Marimba, {0.0015, 0.32, 1.55, 0.28}, 1.0);
    sound.AddNote(0.005, Pitch(G4) / 2.0, {{1.0, 1.0, 0.0}}, {0.004, 0.18, 1.0, 0.3}, 0.35);
    sound.Finish(-6.0);
    return sound;
}

Sound InPlace()
{
    Sound sound(44100, 1, 24072);
    sound.AddNoiseBurst(0.004, 0.005, 0.08, 0.25, 31);
    sound.AddNote(0.004, Pitch(G4) / 2.0, SoftWood, {0.002, 0.08, 0.42, 0.11}, 1.0);
    sound.Finish(-9.0);
    return sound;
}

Sound Refused()
{
    Sound sound(22050, 1, 5754);
    sound.AddNote(0.0, 98.0, Buzz(), {0.012, 0.0, 0.17, 0.085}, 1.0);
    sound.AddNote(0.0, 101.0, Buzz(), {0.012, 0.0, 0.17, 0.085}, 0.7);
    sound.Finish(-11.0);
    return sound;
}

Sound Win1()
{
    Sound sound(44100, 2, 25217);
    const double chord[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        const Envelope stab{0.006, 0.3, 0.4, 0.16};
        const double frequency = Pitch(chord[i]);
        // Each note a hair sharp on one side and flat on the other: a wide, lively chord.
        sound.AddNote(0.0, frequency * 1.0012, Brass(10, 1.1), stab, 0.5, -0.6);
        sound.AddNote(0.0, frequency / 1.0012, Brass(10, 1.1), stab, 0.5, 0.6);
    }
    sound.Finish(-6.0);
    return sound;
}

Sound Win2()
{
    Sound sound(11025, 1, 46172);
    struct Step {
        double start;
        double length;
        double note;
    };
    const Step melody[] = {{0.00, 0.14, G4}, {0.14, 0.14, C5}, {0.28, 0.14, E5}, {0.42, 0.42, G5},
                           {0.84, 0.14, E5}, {0.98, 0.14, G5}, {1.12, 1.45, C6}};
    for (const Step& step : melody) {
        const Envelope blown{0.015, 0.0, step.length - 0.03, step.length > 1.0 ? 0.5 : 0.05};
        sound.AddTone(0.02 + step.start, Sung(Pitch(step.note), 0.004, 5.5, 0.15), Brass(8, 1.0), blown, 0.8);
    }
    for (const double note : {C4, E4, G4}) {
        const Envelope pad{0.25, 0.0, 2.5, 0.5};
        sound.AddNote(1.12, Pitch(note), {{1.0, 1.0, 0.0}, {2.0, 0.25, 0.0}, {3.0, 0.08, 0.0}}, pad, 0.22);
    }
    sound.Finish(-9.0);
    return sound;
}

Sound Win3()
{
    Sound sound(44100, 2, 89472);
    const double run[] = {G5, A5, B5, C6, D6};
    for (int i = 0; i < 5; ++i) {
        const Envelope pluck{0.003, 0.09, 0.12, 0.08};
        sound.AddNote(0.01 + 0.04 * i, Pitch(run[i]), Chime, pluck, 0.45, -0.6 + 0.3 * i);
    }
    const double chord[] = {C5, E5, G5, C6, E6};
    for (int i = 0; i < 5; ++i) {
        const Envelope ring{0.006, 0.75, 1.45, 0.33};
        sound.AddNote(0.22, Pitch(chord[i]), Chime, ring, 0.5, -0.5 + 0.25 * i);
    }
    sound.AddNote(0.22, Pitch(C4), {{1.0, 1.0, 0.0}, {2.0, 0.3, 0.4}}, {0.01, 0.8, 1.4, 0.35}, 0.35);
    sound.Finish(-6.0);
    return sound;
}

Sound SpinInPlace()
{
    Sound sound(11025, 1, 17745);
    // Down an octave, then up past the start, with a wobble throughout.
    const auto wobble = [](double t) {
        const double glide = t < 0.65 ? 880.0 * std::pow(0.5, t / 0.65) : 440.0 * std::pow(2.25, (t - 0.65) / 0.8);
        return glide * (1.0 + 0.05 * std::sin(Tau * 6.0 * t));
    };
    sound.AddTone(0.0, wobble, {{1.0, 1.0, 0.0}, {2.0, 0.3, 0.0}, {3.0, 0.12, 0.0}}, {0.012, 0.0, 1.38, 0.2}, 1.0);
    sound.Finish(-12.0);
    return sound;
}

void PutU32(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(std::uint8_t(value >> shift));
}

void PutU16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(std::uint8_t(value));
    bytes.push_back(std::uint8_t(value >> 8));
}

// A chunk: identifier, length and content, with no pad byte after an odd length.
Bytes Chunk(const char* id, const Bytes& content)
{
    Bytes chunk(id, id + 4);
    PutU32(chunk, std::uint32_t(content.size()));
    chunk.insert(chunk.end(), content.begin(), content.end());
    return chunk;
}

Bytes Text(const std::string& text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes FormatChunk(const Sound& sound, int bits)
{
    const int block = sound.Channels() * bits / 8;
    Bytes format;
    PutU16(format, 1);
    PutU16(format, std::uint16_t(sound.Channels()));
    PutU32(format, std::uint32_t(sound.Rate()));
    PutU32(format, std::uint32_t(sound.Rate() * block));
    PutU16(format, std::uint16_t(block));
    PutU16(format, std::uint16_t(bits));
    return Chunk("fmt ", format);
}

// Trailing metadata of exactly `size` bytes: a LIST/INFO chunk naming the
// sound and the game (with a comment where one is given), and a JUNK chunk
// reserving the rest.
Bytes Metadata(const std::string& title, const std::string& comment, std::size_t size)
{
    Bytes info{'I', 'N', 'F', 'O'};
    std::vector<Bytes> parts{Chunk("INAM", Text(title)), Chunk("IPRD", Text("汉诺塔"))};
    if (!comment.empty())
        parts.push_back(Chunk("ICMT", Text(comment)));
    parts.push_back(Chunk("ISFT", Text("make_sounds")));
    for (const Bytes& part : parts)
        info.insert(info.end(), part.begin(), part.end());
    Bytes metadata = Chunk("LIST", info);
    if (metadata.size() + 8 > size) {
        std::fprintf(stderr, "make_sounds: the metadata of \"%s\" does not fit in %zu bytes\n", title.c_str(), size);
        std::exit(1);
    }
    const Bytes junk = Chunk("JUNK", Bytes(size - metadata.size() - 8, 0));
    metadata.insert(metadata.end(), junk.begin(), junk.end());
    return metadata;
}

Bytes Wave(const Sound& sound, int bits, const Bytes& beforeData, const Bytes& afterData)
{
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& part : {FormatChunk(sound, bits), beforeData, Chunk("data", sound.Samples(bits)), afterData})
        body.insert(body.end(), part.begin(), part.end());
    Bytes file{'R', 'I', 'F', 'F'};
    PutU32(file, std::uint32_t(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// The closing chord's two extra chunks. Its samples are stored as heard: the
// scrambling key is 0, so the stored data is exactly what plays.
Bytes Win3Chunks()
{
    Bytes note = Text("make_sounds: samples stored as heard");
    note.resize(37, 0);
    Bytes chunks = Chunk("dep ", note);
    const Bytes key = Chunk("xor ", Bytes{0});
    chunks.insert(chunks.end(), key.begin(), key.end());
    return chunks;
}

struct Output {
    const char* name;
    Bytes bytes;
    std::size_t expectedSize;
};

bool Write(const std::filesystem::path& folder, const Output& output)
{
    if (output.bytes.size() != output.expectedSize) {
        std::fprintf(stderr, "make_sounds: %s has %zu bytes, not %zu\n", output.name, output.bytes.size(),
                     output.expectedSize);
        return false;
    }
    std::ofstream file(folder / output.name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(output.bytes.data()), std::streamsize(output.bytes.size()));
    std::printf("%s: %zu bytes\n", output.name, output.bytes.size());
    return bool(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const Output outputs[] = {
        {"new_game.wav", Wave(NewGame(), 16, {}, {}), 374092},
        {"clock_start.wav", Wave(ClockStart(), 16, {}, {}), 8310},
        {"pick_up.wav", Wave(PickUp(), 16, {}, {}), 6372},
        {"correct_drop.wav",
         Wave(CorrectDrop(), 8, {}, Metadata("Set down", "A soft wooden knock with a short ring.", 1957)), 43058},
        {"in_place.wav", Wave(InPlace(), 16, {}, Metadata("Put back", "A soft, dull knock.", 192)), 48380},
        {"refused.wav", Wave(Refused(), 8, {}, Metadata("Refused", "A low, soft buzz.", 1956)), 7754},
        {"win1.wav", Wave(Win1(), 16, {}, {}), 100912},
        {"win2.wav", Wave(Win2(), 16, {}, Metadata("Fanfare", "", 82)), 92470},
        {"win3.wav", Wave(Win3(), 16, Win3Chunks(), {}), 357986},
        {"spin_in_place.wav", Wave(SpinInPlace(), 8, {}, Metadata("Spin in place", "", 83)), 17872},
    };
    bool written = true;
    for (const Output& output : outputs)
        written = Write(folder, output) && written;
    return written ? 0 : 1;
}
