// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// How large a picture the game agrees to decode. A picture file can declare
// any size in a few bytes, so these are checked against its header before
// anything is decoded.

// 2^27 pixels (about 134 megapixels): a 100-megapixel medium-format photo
// (11648 × 8736) or a 108-megapixel phone photo (12000 × 9000) still shows.
// At 4 bytes a pixel, a picture decoded at its full size takes at most 512 MiB.
inline constexpr std::int64_t MaxPicturePixels = std::int64_t{1} << 27;

// The most memory libjpeg may take for its own buffers. A progressive JPEG
// keeps every coefficient of the whole picture (2 bytes each) until its last
// scan, whatever the output scale: a 4:2:0 colour picture at MaxPicturePixels
// needs 384 MiB.
inline constexpr long MaxJpegDecoderMemory = 512L << 20;

// The same 512 MiB for GIF and BMP decoded through Qt, in Qt's unit.
inline constexpr int MaxQtImageMegabytes = int(MaxPicturePixels * 4 >> 20);
