// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <cstddef>
#include <cstdint>

// Decodes a JPEG file held in memory. A file that libjpeg cannot read gives an
// empty image; one cut off inside its image data gives what was decoded.
// So does one larger than the limits of picture_limits.h, refused unread.
// With a size to cover, the picture is decoded at the smallest of libjpeg's
// eighth scales that still covers it: much faster when it is shown smaller.
QImage DecodeJpeg(const std::uint8_t* data, std::size_t size, QSize cover = {});
