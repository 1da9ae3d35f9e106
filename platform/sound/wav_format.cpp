// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/wav_format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {
using ByteSpan = std::span<const std::uint8_t>;

constexpr std::size_t ChunkHeaderSize = 8;
constexpr std::size_t FirstChunk = 12;
constexpr std::size_t SmallestFile = 36;
constexpr std::size_t FormatSize = 16;
constexpr std::uint16_t PcmTag = 1;
constexpr std::array<std::uint32_t, 4> Rates{8000, 11025, 22050, 44100};

std::uint32_t ReadU32(ByteSpan bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

std::uint16_t ReadU16(ByteSpan bytes, std::size_t at)
{
    return std::uint16_t(bytes[at] | bytes[at + 1] << 8);
}

bool HasId(ByteSpan bytes, std::size_t at, const char* id)
{
    return std::memcmp(bytes.data() + at, id, 4) == 0;
}

struct Chunks {
    std::optional<ByteSpan> format;
    std::optional<ByteSpan> data;
};

Chunks WalkChunks(ByteSpan bytes)
{
    // 64-bit offsets: a chunk length near 4 GiB cannot wrap round to an earlier offset.
    const std::uint64_t riffEnd = FirstChunk + std::uint64_t(ReadU32(bytes, 4));
    Chunks chunks;
    std::uint64_t offset = FirstChunk;
    while (!(chunks.format && chunks.data) && offset < riffEnd && offset + ChunkHeaderSize <= bytes.size()) {
        const std::uint64_t body = offset + ChunkHeaderSize;
        const std::uint64_t length = ReadU32(bytes, offset + 4);
        if (body + length > bytes.size())
            break;
        const ByteSpan content = bytes.subspan(body, length);
        if (!chunks.format && HasId(bytes, offset, "fmt "))
            chunks.format = content;
        else if (!chunks.data && HasId(bytes, offset, "data"))
            chunks.data = content;
        offset = body + length;
    }
    return chunks;
}

std::optional<WavSound> ReadFormat(ByteSpan format)
{
    if (format.size() < FormatSize || ReadU16(format, 0) != PcmTag)
        return std::nullopt;
    WavSound sound;
    sound.channels = ReadU16(format, 2);
    sound.sampleRate = ReadU32(format, 4);
    sound.bitsPerSample = ReadU16(format, 14);
    const std::uint16_t blockAlign = ReadU16(format, 12);
    const bool supported = (sound.channels == 1 || sound.channels == 2) &&
                           (sound.bitsPerSample == 8 || sound.bitsPerSample == 16) &&
                           std::ranges::find(Rates, sound.sampleRate) != Rates.end() &&
                           blockAlign == sound.channels * sound.bitsPerSample / 8;
    if (!supported)
        return std::nullopt;
    return sound;
}
}  // namespace

std::optional<WavSound> ParseWav(ByteSpan bytes)
{
    if (bytes.size() < SmallestFile || !HasId(bytes, 0, "RIFF") || !HasId(bytes, 8, "WAVE"))
        return std::nullopt;
    const Chunks chunks = WalkChunks(bytes);
    if (!chunks.format || !chunks.data)
        return std::nullopt;
    std::optional<WavSound> sound = ReadFormat(*chunks.format);
    if (!sound)
        return std::nullopt;
    const std::size_t frame = sound->channels * sound->bitsPerSample / 8;
    sound->data = chunks.data->first(chunks.data->size() / frame * frame);
    if (sound->data.empty())
        return std::nullopt;
    return sound;
}
