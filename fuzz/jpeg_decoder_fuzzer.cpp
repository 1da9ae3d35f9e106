// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG decoder on any bytes, with a size to cover taken from the first
// four: whatever it gives stays within the picture limits.
#include <cstddef>
#include <cstdint>

#include "platform/pictures/jpeg_decoder.h"
#include "platform/pictures/picture_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    // At least 1 × 1, so no picture is decoded at its full size only because
    // the input asked for no cover: that path is the same code at scale 8/8.
    const QSize cover(1 + ((data[0] << 8 | data[1]) & 0x7FF), 1 + ((data[2] << 8 | data[3]) & 0x7FF));
    const QImage image = DecodeJpeg(data + 4, size - 4, cover);
    if (std::int64_t{image.width()} * image.height() > MaxPicturePixels)
        __builtin_trap();
    return 0;
}
