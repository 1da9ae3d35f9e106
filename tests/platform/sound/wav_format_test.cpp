// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/wav_format.h"

#include <QTest>

#include "wav_builder.h"

namespace {
QByteArray Q(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

Bytes B(const QByteArray& bytes)
{
    return Bytes(bytes.begin(), bytes.end());
}

const Bytes Samples{1, 2, 3, 4, 5, 6, 7, 8};
const Bytes Fmt = FormatChunk({});
const Bytes Data = Chunk("data", Samples);

// The 16 bytes of the format chunk, followed by `extra`.
Bytes FmtBody(std::initializer_list<std::uint8_t> extra = {})
{
    Bytes body(Fmt.begin() + 8, Fmt.end());
    body.insert(body.end(), extra);
    return body;
}

Bytes Cut(Bytes file, std::size_t size)
{
    file.resize(size);
    return file;
}
}  // namespace

class WavFormatTest : public QObject {
    Q_OBJECT

private slots:
    // Each file either parses, giving its data chunk's bytes, or is refused.
    void parse_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("data");  // empty: refused

        const QByteArray samples = Q(Samples);
        const Bytes odd37 = Chunk("dep ", Bytes(37, 0x5A));
        const Bytes odd1 = Chunk("xor ", Bytes{0x33});
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("plain") << Q(Riff({Fmt, Data})) << samples;
        QTest::newRow("odd chunks between fmt and data, no pad bytes") << Q(Riff({Fmt, odd37, odd1, Data})) << samples;
        QTest::newRow("odd chunk before fmt") << Q(Riff({odd37, Fmt, Data})) << samples;
        QTest::newRow("data before fmt") << Q(Riff({Data, Fmt})) << samples;
        QTest::newRow("unreadable chunk after both is never read")
            << Q(Riff({Fmt, Data, Chunk("LIST", {1, 2}, 0xFFFFFFF0)})) << samples;
        QTest::newRow("the first of two data chunks") << Q(Riff({Fmt, Data, Chunk("data", {9, 9})})) << samples;
        QTest::newRow("fmt of 18 bytes") << Q(Riff({Chunk("fmt ", FmtBody({0, 0})), Data})) << samples;
        QTest::newRow("odd 16-bit data is cut to whole frames")
            << Q(Riff({Fmt, Chunk("data", {1, 2, 3, 4, 5})})) << QByteArray("\x01\x02\x03\x04", 4);

        // No chunk is read that starts at or beyond offset 12 + the RIFF length.
        const auto walkEndingAt = [](std::size_t offset) { return std::uint32_t(offset - 12); };
        const std::size_t dataOffset = 12 + Fmt.size();
        QTest::newRow("RIFF length ends where data starts")
            << Q(Riff({Fmt, Data}, walkEndingAt(dataOffset))) << QByteArray();
        QTest::newRow("RIFF length ends just past the start of data")
            << Q(Riff({Fmt, Data}, walkEndingAt(dataOffset + 1))) << samples;
        QTest::newRow("RIFF length ends before trailing bytes")
            << Q(Riff({Fmt, Data, Bytes(40, 0xEE)}, walkEndingAt(dataOffset + Data.size()))) << samples;
        QTest::newRow("RIFF length past the end of the file") << Q(Riff({Fmt, Data}, 0xFFFFFFF0)) << samples;

        QTest::newRow("data runs past the end")
            << Q(Riff({Fmt, Chunk("data", Samples, std::uint32_t(Samples.size() + 1))})) << QByteArray();
        QTest::newRow("chunk length that wraps round")
            << Q(Riff({Fmt, Chunk("junk", {0, 0, 0, 0}, 0xFFFFFFF8), Data})) << QByteArray();
        QTest::newRow("data header cut off") << Q(Cut(Riff({Fmt, Data}), 12 + Fmt.size() + 4)) << QByteArray();
        QTest::newRow("no fmt") << Q(Riff({Data, Chunk("junk", Bytes(30, 0))})) << QByteArray();
        QTest::newRow("no data") << Q(Riff({Fmt, Chunk("junk", Bytes(30, 0))})) << QByteArray();
        QTest::newRow("empty data") << Q(Riff({Fmt, Chunk("data", {}), Chunk("junk", Bytes(8, 0))})) << QByteArray();
        QTest::newRow("fmt of 14 bytes") << Q(Riff({Chunk("fmt ", Cut(FmtBody(), 14)), Data})) << QByteArray();
        QTest::newRow("not WAVE") << Q([] {
            Bytes file = Riff({Fmt, Data});
            file[8] = 'A';
            return file;
        }()) << QByteArray();
        QTest::newRow("MIDI") << QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) << QByteArray();

        QTest::newRow("24 bit") << Q(Riff({FormatChunk({.bits = 24}), Data})) << QByteArray();
        QTest::newRow("32-bit float") << Q(Riff({FormatChunk({.tag = 3, .bits = 32}), Data})) << QByteArray();
        QTest::newRow("extensible") << Q(Riff({FormatChunk({.tag = 0xFFFE}), Data})) << QByteArray();
        QTest::newRow("ADPCM") << Q(Riff({FormatChunk({.tag = 2, .bits = 4}), Data})) << QByteArray();
        QTest::newRow("three channels") << Q(Riff({FormatChunk({.channels = 3}), Data})) << QByteArray();
        QTest::newRow("48000 Hz") << Q(Riff({FormatChunk({.rate = 48000}), Data})) << QByteArray();
        QTest::newRow("block alignment not a frame") << Q(Riff({FormatChunk({.blockAlign = 4}), Data})) << QByteArray();
    }

    void parse()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, data);
        const Bytes bytes = B(file);
        const std::optional<WavSound> sound = ParseWav(bytes);
        QCOMPARE(sound.has_value(), !data.isEmpty());
        if (sound)
            QCOMPARE(Q(Bytes(sound->data.begin(), sound->data.end())), data);
    }

    void everyFormatOfTheGame_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        for (const int channels : {1, 2})
            for (const int rate : {8000, 11025, 22050, 44100})
                for (const int bits : {8, 16})
                    QTest::addRow("%d ch %d Hz %d bit", channels, rate, bits) << channels << rate << bits;
    }

    void everyFormatOfTheGame()
    {
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        const FormatFields fields{
            .channels = std::uint16_t(channels), .rate = std::uint32_t(rate), .bits = std::uint16_t(bits)};
        const Bytes file = Riff({FormatChunk(fields), Chunk("data", Bytes(12, 0x80))});
        const std::optional<WavSound> sound = ParseWav(file);
        QVERIFY(sound);
        QCOMPARE(int(sound->channels), channels);
        QCOMPARE(int(sound->sampleRate), rate);
        QCOMPARE(int(sound->bitsPerSample), bits);
        QCOMPARE(sound->data.size(), 12u);
    }
};

QTEST_GUILESS_MAIN(WavFormatTest)
#include "wav_format_test.moc"
