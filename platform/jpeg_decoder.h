#pragma once
#include <QImage>
#include <cstddef>
#include <cstdint>

// Decodes a JPEG file held in memory. A file that libjpeg cannot read gives an
// empty image; one cut off inside its image data gives what was decoded.
QImage DecodeJpeg(const std::uint8_t* data, std::size_t size);
