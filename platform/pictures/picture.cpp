// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures/picture.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/pictures/jpeg_decoder.h"
#include "platform/pictures/picture_limits.h"

namespace {
bool IsJpeg(const Bytes& bytes)
{
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

// GIF and BMP: the size their header declares is checked first; Qt's own
// allocation limit, set once for the process, holds whatever the header says.
QImage DecodeThroughQt(const Bytes& bytes)
{
    [[maybe_unused]] static const bool limited = (QImageReader::setAllocationLimit(MaxQtImageMegabytes), true);
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    if (declared.isValid() && std::int64_t{declared.width()} * declared.height() > MaxPicturePixels)
        return {};
    return reader.read();
}
}  // namespace

QImage DecodePicture(const Bytes& bytes, QSize cover)
{
    if (bytes.empty())
        return {};
    if (IsJpeg(bytes))
        return DecodeJpeg(bytes.data(), bytes.size(), cover);
    return DecodeThroughQt(bytes);
}
