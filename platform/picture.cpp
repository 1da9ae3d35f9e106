#include "platform/picture.h"

#include "platform/jpeg_decoder.h"

namespace {
bool IsJpeg(const Bytes& bytes)
{
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}
}  // namespace

QImage DecodePicture(const Bytes& bytes, QSize cover)
{
    if (bytes.empty())
        return {};
    if (IsJpeg(bytes))
        return DecodeJpeg(bytes.data(), bytes.size(), cover);
    return QImage::fromData(bytes.data(), int(bytes.size()));
}
