// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>

#include "platform/system/bytes.h"

// A picture file held in memory, its format recognised from its content
// (JPEG through libjpeg, GIF and BMP through Qt). Anything unreadable, or larger
// than the limits of picture_limits.h, gives an empty image.
// With a size to cover, a JPEG may come out smaller than its full size, but still covering it.
QImage DecodePicture(const Bytes& bytes, QSize cover = {});
