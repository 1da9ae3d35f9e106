// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures/window_picture.h"

#include <utility>

#include "platform/pictures/picture.h"

namespace {
QImage Stretch(const QImage& image, QSize size)
{
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
}  // namespace

void WindowPicture::Set(const Bytes& bytes, QSize cover)
{
    bytes_ = bytes;
    image_ = QImage();
    stretchedAhead_ = QImage();
    stretched_ = QPixmap();
    decodedFor_ = cover;
    pending_ = std::async(std::launch::async, [bytes, cover] {
        Decoded decoded{DecodePicture(bytes, cover), {}};
        if (!cover.isEmpty() && !decoded.image.isNull())
            decoded.stretched = Stretch(decoded.image, cover);
        return decoded;
    });
}

const QImage& WindowPicture::Image(QSize cover)
{
    if (pending_.valid()) {
        Decoded decoded = pending_.get();
        image_ = std::move(decoded.image);
        stretchedAhead_ = std::move(decoded.stretched);
    }
    // Decoded smaller for a smaller window: decode again when the window outgrows it.
    const bool reduced = !decodedFor_.isEmpty();
    const bool tooSmall = image_.width() < cover.width() || image_.height() < cover.height();
    if (!image_.isNull() && reduced && (cover.isEmpty() || tooSmall)) {
        decodedFor_ = cover;
        image_ = DecodePicture(bytes_, cover);
        stretchedAhead_ = QImage();
    }
    return image_;
}

const QPixmap& WindowPicture::Stretched(QSize size, qreal devicePixelRatio)
{
    if (stretched_.size() != size || stretched_.devicePixelRatio() != devicePixelRatio) {
        // Nothing to stretch to: an empty size would otherwise decode the picture at its full size.
        const QImage& image = size.isEmpty() ? QImage() : Image(size);
        if (image.isNull())
            stretched_ = QPixmap();
        else if (stretchedAhead_.size() == size)
            stretched_ = QPixmap::fromImage(std::exchange(stretchedAhead_, QImage()));
        else
            stretched_ = QPixmap::fromImage(Stretch(image, size));
        stretched_.setDevicePixelRatio(devicePixelRatio);
    }
    return stretched_;
}
