// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures/window_picture.h"

#include "platform/pictures/picture.h"

void WindowPicture::Set(const Bytes& bytes, QSize cover)
{
    bytes_ = bytes;
    image_ = QImage();
    stretched_ = QPixmap();
    decodedFor_ = cover;
    pending_ = std::async(std::launch::async, [bytes, cover] { return DecodePicture(bytes, cover); });
}

const QImage& WindowPicture::Image(QSize cover)
{
    if (pending_.valid())
        image_ = pending_.get();
    // Decoded smaller for a smaller window: decode again when the window outgrows it.
    const bool reduced = !decodedFor_.isEmpty();
    const bool tooSmall = image_.width() < cover.width() || image_.height() < cover.height();
    if (!image_.isNull() && reduced && (cover.isEmpty() || tooSmall)) {
        decodedFor_ = cover;
        image_ = DecodePicture(bytes_, cover);
    }
    return image_;
}

const QPixmap& WindowPicture::Stretched(QSize size, qreal devicePixelRatio)
{
    if (stretched_.size() != size || stretched_.devicePixelRatio() != devicePixelRatio) {
        // Nothing to stretch to: an empty size would otherwise decode the picture at its full size.
        const QImage& image = size.isEmpty() ? QImage() : Image(size);
        stretched_ = image.isNull()
                         ? QPixmap()
                         : QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        stretched_.setDevicePixelRatio(devicePixelRatio);
    }
    return stretched_;
}
