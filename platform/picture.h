#pragma once
#include <QImage>

#include "platform/bytes.h"

// A picture file held in memory, its format recognised from its content
// (JPEG through libjpeg, GIF and BMP through Qt). Anything unreadable gives an empty image.
QImage DecodePicture(const Bytes& bytes);
