// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <span>

// The sample format of a playable WAV file and its sample data.
struct WavSound {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    // Whole sample frames of the "data" chunk, inside the parsed bytes.
    std::span<const std::uint8_t> data;
};

// Reads a RIFF/WAVE file held in memory. Chunks are walked from offset 12,
// each an identifier, a little-endian 32-bit length and that many bytes, the
// next following directly (no pad byte after an odd length), until "fmt " and
// "data" have both been seen in either order, or until the next chunk would
// start at or beyond offset 12 + the RIFF length.
// Gives nothing unless the file holds uncompressed PCM, 8 or 16 bit, mono or
// stereo, at 8000, 11025, 22050 or 44100 Hz, with at least one sample frame.
std::optional<WavSound> ParseWav(std::span<const std::uint8_t> bytes);
