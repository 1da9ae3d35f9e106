// SPDX-License-Identifier: GPL-3.0-or-later
// A window's stretched background is the same whether it was made on the
// worker with the decoding, for the size the picture was set for, or on request.
#include <QBuffer>
#include <QImageWriter>
#include <QTest>

#include "platform/pictures/picture.h"
#include "platform/pictures/window_picture.h"

namespace {
// A photo-like picture large enough for libjpeg to decode it reduced.
Bytes LargeJpeg()
{
    QImage image(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 3) % 256, (x ^ y) % 256));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "JPEG").write(image);
    return Bytes(buffer.data().begin(), buffer.data().end());
}
}  // namespace

class WindowPictureTest : public QObject {
    Q_OBJECT

private slots:
    void stretchedAsOnRequest_data()
    {
        QTest::addColumn<QSize>("setFor");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QSize>("decodedFor");
        QTest::newRow("the size it was set for") << QSize(300, 200) << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("smaller") << QSize(300, 200) << QSize(120, 90) << QSize(300, 200);
        QTest::newRow("larger: decoded again") << QSize(150, 100) << QSize(390, 290) << QSize(390, 290);
        QTest::newRow("set for its own size") << QSize() << QSize(300, 200) << QSize();
    }

    void stretchedAsOnRequest()
    {
        QFETCH(QSize, setFor);
        QFETCH(QSize, shown);
        QFETCH(QSize, decodedFor);
        const Bytes bytes = LargeJpeg();
        WindowPicture picture;
        picture.Set(bytes, setFor);
        const QImage stretched = picture.Stretched(shown, 1).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected = DecodePicture(bytes, decodedFor)
                                    .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(stretched, expected);
    }
};

QTEST_MAIN(WindowPictureTest)

#include "window_picture_test.moc"
