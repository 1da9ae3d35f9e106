// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures whose header declares more than the game agrees to decode are
// refused before decoding; real photos of the largest kind still show,
// decoded no larger than the window they cover.
#include <sys/resource.h>
#include <QBuffer>
#include <QImageWriter>
#include <QTest>

#include "platform/pictures/picture.h"

namespace {
// A small JPEG written by Qt, then given another size and sampling in its
// frame header: libjpeg sees a picture of that size whose data stops early.
QByteArray JpegDeclaring(int width, int height, bool progressive, bool fullChroma)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    const char frame = progressive ? char(0xC2) : char(0xC0);
    const qsizetype at = bytes.indexOf(QByteArray{"\xFF"} + frame);
    if (at < 0)
        return {};
    bytes[at + 5] = char(height >> 8);
    bytes[at + 6] = char(height);
    bytes[at + 7] = char(width >> 8);
    bytes[at + 8] = char(width);
    if (fullChroma)
        bytes[at + 11] = char(0x11);  // the first component's sampling factors
    return bytes;
}

void PutLittle(QByteArray& bytes, qsizetype at, int value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// A one-colour GIF whose screen and image declare the given size.
QByteArray GifDeclaring(int width, int height)
{
    QByteArray bytes("GIF89a");
    bytes += QByteArray(7, '\0');
    PutLittle(bytes, 6, width, 2);
    PutLittle(bytes, 8, height, 2);
    bytes[10] = char(0x80);  // a global palette of two colours
    bytes += QByteArray("\xFF\x00\x00\x00\x00\xFF", 6);
    bytes += QByteArray(10, '\0');
    bytes[19] = ',';
    PutLittle(bytes, 24, width, 2);
    PutLittle(bytes, 26, height, 2);
    bytes += QByteArray("\x02\x02\x44\x01\x00;", 6);
    return bytes;
}

// A 24-bit BMP written by Qt, its header then declaring the given size.
QByteArray BmpDeclaring(int width, int height)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    PutLittle(bytes, 18, width, 4);
    PutLittle(bytes, 22, height, 4);
    return bytes;
}

Bytes ToBytes(const QByteArray& data)
{
    return Bytes(data.begin(), data.end());
}

// The most memory this process has held at once, in MiB.
long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
}  // namespace

class PictureLimitsTest : public QObject {
    Q_OBJECT

private slots:
    void refusedBeforeDecoding_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("cover");
        const QSize window(1280, 1024);
        QTest::newRow("JPEG 49185 × 55551 covering a window") << JpegDeclaring(49185, 55551, false, false) << window;
        QTest::newRow("JPEG 49185 × 55551 at its own size") << JpegDeclaring(49185, 55551, false, false) << QSize();
        QTest::newRow("progressive JPEG 49185 × 55551") << JpegDeclaring(49185, 55551, true, false) << window;
        QTest::newRow("JPEG 65500 × 2050, just over the pixel limit")
            << JpegDeclaring(65500, 2050, false, false) << window;
        // 121 megapixels, within the pixel limit, but a progressive picture
        // without chroma subsampling keeps 726 MB of coefficients.
        QTest::newRow("progressive 4:4:4 JPEG 11000 × 11000") << JpegDeclaring(11000, 11000, true, true) << window;
        QTest::newRow("GIF 65535 × 65535") << GifDeclaring(65535, 65535) << window;
        QTest::newRow("GIF 16000 × 9000, just over the pixel limit") << GifDeclaring(16000, 9000) << window;
        QTest::newRow("BMP 50000 × 50000") << BmpDeclaring(50000, 50000) << window;
        QTest::newRow("BMP 16000 × 9000, just over the pixel limit") << BmpDeclaring(16000, 9000) << window;
    }

    void refusedBeforeDecoding()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, cover);
        QVERIFY(!file.isEmpty());
        const long before = PeakMegabytes();
        QVERIFY(DecodePicture(ToBytes(file), cover).isNull());
        QCOMPARE_LT(PeakMegabytes() - before, 32);
    }

    void largePhotosShowAtTheSizeTheyCover_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("cover");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("100-megapixel photo, 11648 × 8736, in a 1280 × 1024 window")
            << JpegDeclaring(11648, 8736, false, false) << QSize(1280, 1024) << QSize(1456, 1092);
        QTest::newRow("the same photo in a 1600 × 1200 window")
            << JpegDeclaring(11648, 8736, false, false) << QSize(1600, 1200) << QSize(2912, 2184);
        QTest::newRow("progressive 48-megapixel photo, 8000 × 6000")
            << JpegDeclaring(8000, 6000, true, false) << QSize(1280, 1024) << QSize(2000, 1500);
    }

    void largePhotosShowAtTheSizeTheyCover()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, cover);
        QFETCH(QSize, decoded);
        QCOMPARE(DecodePicture(ToBytes(file), cover).size(), decoded);
    }
};

QTEST_GUILESS_MAIN(PictureLimitsTest)

#include "picture_limits_test.moc"
