// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV chunk walk on any bytes: a sound it accepts lies inside the bytes
// and holds whole sample frames of a playable format.
#include <cstddef>
#include <cstdint>

#include "platform/sound/wav_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto sound = ParseWav({data, size});
    if (!sound)
        return 0;
    const std::size_t frame = std::size_t{sound->channels} * sound->bitsPerSample / 8;
    const bool inside = sound->data.data() >= data && sound->data.data() + sound->data.size() <= data + size;
    if (!inside || frame == 0 || sound->data.empty() || sound->data.size() % frame != 0)
        __builtin_trap();
    return 0;
}
