// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/sound_player.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include "platform/files/files.h"
#include "wav_builder.h"

// Plays through OpenAL Soft's wave-file output, which needs no sound card and
// writes the mixed output in real time; each test closes the output, so the
// file holds what that test played.
namespace {
constexpr double CaptureRate = 44100;
// 10 ms windows: short enough to place a tone, long enough to tell 500 Hz from 1300 Hz.
constexpr std::size_t Window = 441;
constexpr int Patience = 20000;

// The mixed output as mono samples in [-1, 1].
std::vector<double> ReadCapture(const QString& path)
{
    const Bytes file = ReadWholeFile(path.toStdString());
    std::size_t offset = 12;
    while (offset + 8 <= file.size() && std::memcmp(file.data() + offset, "data", 4) != 0)
        offset += 8 + (file[offset + 4] | file[offset + 5] << 8 | file[offset + 6] << 16 | file[offset + 7] << 24);
    std::vector<double> mono;
    for (std::size_t at = offset + 8; at + 4 <= file.size(); at += 4) {
        const auto left = std::int16_t(file[at] | file[at + 1] << 8);
        const auto right = std::int16_t(file[at + 2] | file[at + 3] << 8);
        mono.push_back((left + right) / 65536.0);
    }
    return mono;
}

// The amplitude of one frequency in one window (Goertzel over a Hann
// window, so that neighbouring tones do not leak into it).
double Amplitude(const std::vector<double>& samples, std::size_t first, double frequency)
{
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / CaptureRate);
    double previous = 0.0;
    double older = 0.0;
    for (std::size_t i = 0; i < Window; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / Window);
        const double current = samples[first + i] * hann + coefficient * previous - older;
        older = previous;
        previous = current;
    }
    const double power = previous * previous + older * older - coefficient * previous * older;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / (Window / 2.0);
}

bool Sounds(const std::vector<double>& samples, std::size_t first, double frequency)
{
    return Amplitude(samples, first, frequency) > 0.02;
}

// How many windows hold the tone.
int WindowsWith(const std::vector<double>& samples, double frequency)
{
    int count = 0;
    for (std::size_t first = 0; first + Window <= samples.size(); first += Window)
        count += Sounds(samples, first, frequency);
    return count;
}

int WindowsWithBoth(const std::vector<double>& samples, double one, double other, double absent)
{
    int count = 0;
    for (std::size_t first = 0; first + Window <= samples.size(); first += Window)
        count += Sounds(samples, first, one) && Sounds(samples, first, other) && !Sounds(samples, first, absent);
    return count;
}

bool WaitForSilence()
{
    return QTest::qWaitFor([] { return LiveVoiceCount() == 0; }, Patience);
}
}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString CapturePath() const { return dir.filePath(QStringLiteral("mixed.wav")); }

    std::vector<double> Capture()
    {
        CloseSoundOutput();
        return ReadCapture(CapturePath());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const QString config = dir.filePath(QStringLiteral("alsoft.conf"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[general]\ndrivers=wave\nchannels=stereo\nfrequency=44100\nsample-type=int16\n[wave]\nfile=" +
                   QFile::encodeName(CapturePath()) + "\n");
        file.close();
        // Read by OpenAL once, when the first sound opens the output.
        qputenv("ALSOFT_CONF", QFile::encodeName(config));
        qputenv("ALSOFT_DRIVERS", "wave");
    }

    void cleanup() { CloseSoundOutput(); }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("MIDI") << QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x04\0\xFF\x2F\0", 26);
        QTest::newRow("text") << QByteArray("RIFF but not really a sound file at all");
        QTest::newRow("no data chunk") << [] {
            const Bytes file = Riff({FormatChunk({}), Chunk("junk", Bytes(20, 0))});
            return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
        }();
    }

    // Refused bytes, as bytes and as a file, start nothing.
    void refused()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir.filePath(QStringLiteral("refused.bin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(!PlaySoundData(Bytes(bytes.begin(), bytes.end())));
        QVERIFY(!PlaySoundData(path.toStdString()));
        QCOMPARE(LiveVoiceCount(), 0u);
    }

    void anUnreadableFileNameIsRefused()
    {
        QVERIFY(!PlaySoundData(dir.filePath(QStringLiteral("missing.wav")).toStdString()));
        QVERIFY(!PlaySoundData(dir.path().toStdString()));
    }

    void aSoundStartedRightAfterAStopOfNothingPlays()
    {
        StopAllSounds();
        QCOMPARE(LiveVoiceCount(), 0u);
        const QString path = dir.filePath(QStringLiteral("tone.wav"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const Bytes tone = ToneWav(700, 0.3);
        file.write(reinterpret_cast<const char*>(tone.data()), qsizetype(tone.size()));
        file.close();
        QVERIFY(PlaySoundData(path.toStdString()));
        StopAllSounds();
        QVERIFY(PlaySoundData(path.toStdString()));
        QVERIFY(WaitForSilence());
        // Nearly all of the 30 windows the tone lasts, and not much more.
        const int heard = WindowsWith(Capture(), 700);
        QVERIFY2(heard >= 20 && heard <= 40, qPrintable(QString::number(heard)));
    }

    void twoSoundsOverlapInTheMixedOutput()
    {
        QVERIFY(PlaySoundData(ToneWav(500, 0.6)));
        QVERIFY(PlaySoundData(ToneWav(1300, 0.6, 8000)));
        QCOMPARE(LiveVoiceCount(), 2u);
        QVERIFY(WaitForSilence());
        QVERIFY(WindowsWithBoth(Capture(), 500, 1300, 900) >= 30);
    }

    void aRepeatingVoicePlaysUntilStopped()
    {
        QVERIFY(PlaySoundData(ToneWav(900, 0.05, 11025), true));
        QTest::qWait(500);
        QCOMPARE(LiveVoiceCount(), 1u);
        StopAllSounds();
        QVERIFY(WaitForSilence());
        QTest::qWait(100);
        const std::vector<double> mixed = Capture();
        // Many times the five windows of one pass, and silent once stopped.
        QVERIFY(WindowsWith(mixed, 900) >= 20);
        QVERIFY(mixed.size() > Window);
        QVERIFY(!Sounds(mixed, mixed.size() - Window, 900));
    }

    void aStopEndsVoicesThatHaveNotStartedYet()
    {
        QVERIFY(PlaySoundData(ToneWav(600, 2.0)));
        StopAllSounds();
        QVERIFY(PlaySoundData(ToneWav(1100, 0.3)));
        QVERIFY(WaitForSilence());
        const std::vector<double> mixed = Capture();
        QVERIFY(WindowsWith(mixed, 1100) >= 20);
        QVERIFY(WindowsWith(mixed, 600) <= 2);
    }

    // Ended voices give their output back: far more voices than OpenAL has
    // sources, a few at a time, and the last one is still heard.
    void endedVoicesAreRemoved()
    {
        const Bytes click = ToneWav(1000, 0.02);
        for (int round = 0; round < 12; ++round) {
            for (int i = 0; i < 30; ++i)
                QVERIFY(PlaySoundData(click));
            QVERIFY(LiveVoiceCount() > 0);
            QVERIFY(WaitForSilence());
        }
        QVERIFY(PlaySoundData(ToneWav(1500, 0.3)));
        QVERIFY(WaitForSilence());
        QVERIFY(WindowsWith(Capture(), 1500) >= 20);
    }

    // Without an output device a sound is accepted, stays silent, ends at
    // once and nothing is written to the console. The wave output cannot
    // open a folder as its file.
    void withoutADeviceSoundsEndSilently()
    {
        QFile::remove(CapturePath());
        QVERIFY(QDir().mkdir(CapturePath()));
        const QString errors = dir.filePath(QStringLiteral("stderr.txt"));
        std::fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        QVERIFY(std::freopen(qPrintable(errors), "w", stderr));
        const bool started = PlaySoundData(ToneWav(800, 5.0));
        const bool ended = WaitForSilence();
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        QVERIFY(started);
        QVERIFY(ended);
        QCOMPARE(QFileInfo(errors).size(), 0);
        QVERIFY(QDir(CapturePath()).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
