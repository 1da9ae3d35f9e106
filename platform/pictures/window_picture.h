// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's background picture: decoded once on a worker thread as soon as it
// is set (at the size the window needs), scaled once per client size. A
// stretched picture is also scaled there to the size it was set for, which is
// the size of the window's first frame.
#include <QImage>
#include <QPixmap>
#include <future>

#include "platform/system/bytes.h"

class WindowPicture {
public:
    // Starts decoding; `cover` is the size the picture will be stretched to,
    // empty when it is shown at its own size.
    void Set(const Bytes& bytes, QSize cover);
    // The decoded picture, covering `cover` where the picture allows it (empty when unreadable).
    const QImage& Image(QSize cover);
    // The picture stretched to exactly `size` device pixels.
    const QPixmap& Stretched(QSize size, qreal devicePixelRatio);

private:
    struct Decoded {
        QImage image;
        QImage stretched;
    };

    Bytes bytes_;
    std::future<Decoded> pending_;
    QImage image_;
    QSize decodedFor_;
    // The picture stretched to decodedFor_ on the worker, until it is shown.
    QImage stretchedAhead_;
    QPixmap stretched_;
};
