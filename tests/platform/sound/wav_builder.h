// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WAV files made up in memory, chunk by chunk, for the sound tests.
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <optional>

#include "platform/system/bytes.h"

inline void AppendU32(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(std::uint8_t(value >> shift));
}

inline void AppendU16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(std::uint8_t(value));
    bytes.push_back(std::uint8_t(value >> 8));
}

// A chunk with its true length, or with the length given.
inline Bytes Chunk(const char* id, const Bytes& body, std::optional<std::uint32_t> length = {})
{
    Bytes chunk(id, id + 4);
    AppendU32(chunk, length.value_or(std::uint32_t(body.size())));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

struct FormatFields {
    std::uint16_t tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::optional<std::uint16_t> blockAlign{};
};

inline Bytes FormatChunk(const FormatFields& fields)
{
    const std::uint16_t block = fields.blockAlign.value_or(std::uint16_t(fields.channels * fields.bits / 8));
    Bytes body;
    AppendU16(body, fields.tag);
    AppendU16(body, fields.channels);
    AppendU32(body, fields.rate);
    AppendU32(body, fields.rate * block);
    AppendU16(body, block);
    AppendU16(body, fields.bits);
    return Chunk("fmt ", body);
}

// "RIFF", its length (the true one unless given), "WAVE" and the chunks.
inline Bytes Riff(std::initializer_list<Bytes> chunks, std::optional<std::uint32_t> length = {})
{
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes file{'R', 'I', 'F', 'F'};
    AppendU32(file, length.value_or(std::uint32_t(body.size())));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A sine tone as a mono 16-bit WAV file.
inline Bytes ToneWav(double frequency, double seconds, std::uint32_t rate = 22050, double level = 0.25)
{
    Bytes samples;
    const auto frames = std::uint32_t(seconds * rate);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double value = level * std::sin(2.0 * std::numbers::pi * frequency * i / rate);
        AppendU16(samples, std::uint16_t(std::int16_t(std::lround(value * 32767.0))));
    }
    return Riff({FormatChunk({.rate = rate}), Chunk("data", samples)});
}
