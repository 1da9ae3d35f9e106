// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sound_effects.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "platform/sound/sound_player.h"
#include "platform/sound/wav_format.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "ui/main_window_fixture.h"

Q_DECLARE_METATYPE(Effect)

namespace {
struct ChunkInfo {
    std::string id;
    std::size_t size;
};

// Every chunk of a WAV file in order; the walk must end exactly at the file's end.
std::vector<ChunkInfo> Chunks(std::span<const std::uint8_t> file)
{
    std::vector<ChunkInfo> chunks;
    std::size_t offset = 12;
    while (offset + 8 <= file.size()) {
        const std::size_t size =
            file[offset + 4] | file[offset + 5] << 8 | file[offset + 6] << 16 | std::size_t(file[offset + 7]) << 24;
        chunks.push_back({std::string(reinterpret_cast<const char*>(file.data() + offset), 4), size});
        offset += 8 + size;
    }
    if (offset != file.size())
        chunks.push_back({"(bytes left over)", file.size() - offset});
    return chunks;
}

// A sample as a fraction of full scale, 8-bit samples being unsigned.
double Sample(const WavSound& sound, std::size_t index)
{
    if (sound.bitsPerSample == 8)
        return (sound.data[index] - 128) / 128.0;
    return std::int16_t(sound.data[2 * index] | sound.data[2 * index + 1] << 8) / 32768.0;
}

QWindow* Window()
{
    return NativeWindowOf(主窗口);
}

QPoint Column(int peg)
{
    return QPoint((peg - 1) * ColumnWidth + ColumnWidth / 2, Get(PegLabel(peg), prop::Top) / 2);
}

void Lift(int peg)
{
    const LabelUnit disk = DiskLabel(TopDisk(peg));
    const QRect rect(Get(disk, prop::Left), Get(disk, prop::Top), Get(disk, prop::Width), Get(disk, prop::Height));
    QTest::mousePress(Window(), Qt::LeftButton, {}, rect.center());
}

void Drop(int peg)
{
    QTest::mouseMove(Window(), Column(peg));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Column(peg));
}

void Start(int pegs, int disks)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = 1;
    NewGame(new_game::Redraw);
}

// The product's player, with every request recorded on its way.
SoundEffects sounds;
EffectRecorder heard(&sounds);

std::vector<EffectRequest> LastRequests(std::size_t count)
{
    const std::vector<EffectRequest>& all = heard.requests;
    return std::vector<EffectRequest>(all.end() - std::ptrdiff_t(std::min(count, all.size())), all.end());
}

void SetMute(bool on)
{
    Course.MuteSounds = on;
}

bool WaitForSilence()
{
    return QTest::qWaitFor([] { return LiveVoiceCount() == 0; }, 20000);
}
}  // namespace

class SoundEffectsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A real output device that needs no sound card.
        qputenv("ALSOFT_DRIVERS", "null");
        QVERIFY(OpenMainWindowShown());
        SetEffectPlayer(&heard);
    }

    void init()
    {
        SetMute(false);
        ReverseMode = false;
        StopAllSounds();
        QVERIFY(WaitForSilence());
    }

    void everyEffectIsAPlayableWav_data()
    {
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<bool>("metadataAfterData");
        QTest::newRow("new game") << Effect::NewGame << 2 << 44100 << 16 << 2120 << false;
        QTest::newRow("clock start") << Effect::ClockStart << 1 << 8000 << 16 << 520 << false;
        QTest::newRow("pick-up") << Effect::PickUp << 2 << 22050 << 16 << 70 << false;
        QTest::newRow("correct drop") << Effect::CorrectDrop << 1 << 22050 << 8 << 1860 << true;
        QTest::newRow("in place") << Effect::InPlace << 1 << 44100 << 16 << 550 << true;
        QTest::newRow("refused") << Effect::Refused << 1 << 22050 << 8 << 260 << true;
        QTest::newRow("first win") << Effect::Win1 << 2 << 44100 << 16 << 570 << false;
        QTest::newRow("second win") << Effect::Win2 << 1 << 11025 << 16 << 4190 << true;
        QTest::newRow("third win") << Effect::Win3 << 2 << 44100 << 16 << 2030 << false;
        QTest::newRow("spin in place") << Effect::SpinInPlace << 1 << 11025 << 8 << 1610 << true;
    }

    // The built-in effects: their formats and lengths (to the hundredth of a
    // second), "fmt " first, metadata only after the data, and no click at
    // either end or clipping between.
    void everyEffectIsAPlayableWav()
    {
        QFETCH(Effect, effect);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, milliseconds);
        QFETCH(bool, metadataAfterData);
        const std::span<const std::uint8_t> file = EffectSound(effect);
        const std::optional<WavSound> sound = ParseWav(file);
        QVERIFY(sound);
        QCOMPARE(int(sound->channels), channels);
        QCOMPARE(int(sound->sampleRate), rate);
        QCOMPARE(int(sound->bitsPerSample), bits);
        const double length = 1000.0 * double(sound->data.size()) / (rate * channels * (bits / 8));
        QVERIFY2(std::abs(length - milliseconds) <= 5, QByteArray::number(length));

        const std::vector<ChunkInfo> chunks = Chunks(file);
        QCOMPARE(chunks.front().id, std::string("fmt "));
        QCOMPARE(chunks.front().size, 16u);
        const auto data = std::ranges::find(chunks, std::string("data"), &ChunkInfo::id);
        QVERIFY(data != chunks.end());
        QCOMPARE(data + 1 != chunks.end(), metadataAfterData);

        const std::size_t samples = sound->data.size() / (bits / 8);
        double peak = 0.0;
        for (std::size_t i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(Sample(*sound, i)));
        QVERIFY(peak > 0.1 && peak < 0.6);
        for (std::size_t i = 0; i < std::size_t(channels); ++i) {
            QVERIFY(std::abs(Sample(*sound, i)) < 0.01);
            QVERIFY(std::abs(Sample(*sound, samples - 1 - i)) < 0.01);
        }
    }

    void theThirdWinSoundHasItsTwoChunksBeforeTheData()
    {
        const std::vector<ChunkInfo> chunks = Chunks(EffectSound(Effect::Win3));
        QCOMPARE(chunks.size(), 4u);
        QCOMPARE(chunks[1].id, std::string("dep "));
        QCOMPARE(chunks[1].size, 37u);
        QCOMPARE(chunks[2].id, std::string("xor "));
        QCOMPARE(chunks[2].size, 1u);
        QCOMPARE(chunks[3].id, std::string("data"));
    }

    // Which effect each kind of drop asks for, and whether it stops the others.
    void eachEventAsksForItsEffect()
    {
        Start(3, 3);
        Lift(1);
        Drop(2);  // disk 1 onto B
        Lift(1);
        Drop(2);  // disk 2 refused on B
        Lift(2);
        Drop(2);  // disk 1 put back on B
        Lift(2);
        Drop(1);  // disk 1 back on the full main peg
        const std::vector<EffectRequest> expected{
            {Effect::ClockStart, OtherEffects::Stop},  {Effect::PickUp, OtherEffects::Keep},
            {Effect::CorrectDrop, OtherEffects::Stop}, {Effect::PickUp, OtherEffects::Keep},
            {Effect::Refused, OtherEffects::Stop},     {Effect::PickUp, OtherEffects::Keep},
            {Effect::InPlace, OtherEffects::Stop},     {Effect::PickUp, OtherEffects::Keep},
            {Effect::CorrectDrop, OtherEffects::Stop}, {Effect::SpinInPlace, OtherEffects::Stop}};
        QVERIFY(LastRequests(expected.size()) == expected);
    }

    // Mute on: the sounds already playing go on; the first lift's clock-start
    // sound still stops them, and nothing new starts. A repeating sound stands
    // for an effect longer than the test, which only a stop can end.
    void muteLetsPlayingEffectsFinishUntilOneStopsThem()
    {
        Start(3, 3);
        QVERIFY(PlaySoundData(EffectSound(Effect::PickUp), true));
        QCOMPARE(LiveVoiceCount(), 2u);
        SetMute(true);
        QTest::qWait(100);
        QCOMPARE(LiveVoiceCount(), 2u);
        Lift(1);
        QVERIFY(WaitForSilence());
        QTest::qWait(100);
        QCOMPARE(LiveVoiceCount(), 0u);
        Drop(1);
    }

    // Later lifts play only the pick-up sound, over whatever plays: muted, a
    // lift leaves the playing sounds alone, and the next drop ends them.
    void aLiftKeepsTheDropSound()
    {
        Start(3, 3);
        Lift(1);
        Drop(2);
        Lift(1);
        Drop(3);  // disk 2 onto C: the correct-drop sound, which ends the others
        QTRY_COMPARE(LiveVoiceCount(), 1u);
        QVERIFY(PlaySoundData(EffectSound(Effect::PickUp), true));
        SetMute(true);
        Lift(2);
        QTest::qWait(100);
        QCOMPARE(LiveVoiceCount(), 2u);
        QVERIFY(heard.requests.back() == (EffectRequest{Effect::PickUp, OtherEffects::Keep}));
        Drop(2);
        QVERIFY(WaitForSilence());
    }

    // A completed transfer: three win sounds, the second and third sounding
    // together, and the next level starting without the new-game sound.
    void aWinPlaysThreeSoundsAndTheNextLevelIsSilent()
    {
        Start(3, 3);
        for (const auto& [from, to] : {std::pair{1, 3}, {1, 2}, {3, 2}, {1, 3}, {2, 1}, {2, 3}, {1, 3}}) {
            Lift(from);
            Drop(to);
        }
        QCOMPARE(GameSettings.DiskCount, 4);
        const std::vector<EffectRequest> wins{
            {Effect::Win1, OtherEffects::Stop}, {Effect::Win2, OtherEffects::Keep}, {Effect::Win3, OtherEffects::Keep}};
        QVERIFY(LastRequests(3) == wins);
        QCOMPARE(LiveVoiceCount(), 2u);
    }
};

WINDOW_TEST_MAIN(SoundEffectsTest)
#include "sound_effects_test.moc"
