// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSet>
#include <QTest>

#include <climits>

#include "core/game_settings.h"
#include "core/settings_table.h"

namespace {
QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
}  // namespace

class SettingsTableTest : public QObject {
    Q_OBJECT

private slots:
    void aNewRecordHoldsTheDefaults()
    {
        const GameSettingsRecord record;
        QCOMPARE(record.PegCount, 3);
        QCOMPARE(record.DiskCount, 5);
        QCOMPARE(record.MainPeg, 2);
        QCOMPARE(record.PegStyle, (ElementStyle{16711935, 11823359, 16711935, 2, 0}));
        QCOMPARE(record.MainPegStyle, (ElementStyle{255, 11823359, 255, 2, 0}));
        QCOMPARE(record.DiskStyle, (ElementStyle{16746496, 16711680, 16746496, 1, 0}));
        QCOMPARE(record.BaseStyle, (ElementStyle{744191, 7321599, 744191, 3, 0}));
        QCOMPARE(record.BackgroundIndex, 0);
    }

    // A default that its own bounds would change, or a look the dialog's lists
    // cannot show, is a fault of the table.
    void everyDefaultIsWithinItsBounds()
    {
        const GameSettingsRecord defaults;
        for (const Setting& setting : SettingsTable) {
            const QByteArray key = Text(setting.key).toUtf8();
            if (setting.number)
                QVERIFY2(BoundedSetting(setting, setting.defaultNumber, defaults) == setting.defaultNumber,
                         key.constData());
            if (setting.kind == SettingKind::Count)
                QVERIFY2(setting.lowest <= setting.spinnerTop && setting.spinnerTop <= setting.highest,
                         key.constData());
            if (setting.kind == SettingKind::MainPeg)
                QVERIFY2(setting.lowest <= setting.spinnerTop, key.constData());
            if (!setting.style)
                continue;
            for (const StylePart& part : StyleParts) {
                const std::int32_t value = setting.defaultStyle.*part.field;
                if (!part.zeroKeepsDefault)
                    QVERIFY2(value >= part.lowest && value <= part.highest, key.constData());
            }
        }
    }

    // Two settings under one key would share one stored value.
    void everyKeyIsStoredOnce()
    {
        QSet<QString> keys;
        int count = 0;
        for (const Setting& setting : SettingsTable) {
            const QString section = Text(setting.section);
            const QString key = Text(setting.key);
            if (setting.kind == SettingKind::Style) {
                for (const StylePart& part : StyleParts) {
                    keys << section + "/" + key + Text(part.suffix);
                    ++count;
                }
            } else if (!key.isEmpty()) {
                keys << section + "/" + key;
                ++count;
            }
        }
        QCOMPARE(keys.size(), count);
        // Four looks of five values each, three counts, the background order
        // and the three menu check marks.
        QCOMPARE(count, 4 * 5 + 4 + 3);
    }

    void aMainPegOffTheBoardFallsBackToTheMiddle_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("mainPeg");
        QTest::addColumn<int>("expected");
        QTest::newRow("0 of 3") << 3 << 0 << 2;
        QTest::newRow("4 of 3") << 3 << 4 << 2;
        QTest::newRow("0 of 4") << 4 << 0 << 2;
        QTest::newRow("0 of 5") << 5 << 0 << 3;
        QTest::newRow("0 of 6") << 6 << 0 << 3;
        QTest::newRow("7 of 6") << 6 << 7 << 3;
        QTest::newRow("-1 of 7") << 7 << -1 << 4;
        QTest::newRow("112 of the most pegs") << 111 << 112 << 56;
        QTest::newRow("lowest int32") << 9 << INT_MIN << 5;
        QTest::newRow("highest int32") << 9 << INT_MAX << 5;
        QTest::newRow("first peg kept") << 3 << 1 << 1;
        QTest::newRow("last peg kept") << 6 << 6 << 6;
    }

    void aMainPegOffTheBoardFallsBackToTheMiddle()
    {
        QFETCH(int, pegs);
        QFETCH(int, mainPeg);
        QFETCH(int, expected);
        QCOMPARE(BoundedMainPeg(mainPeg, pegs), expected);
        GameSettingsRecord record;
        record.PegCount = pegs;
        QCOMPARE(BoundedSetting(SettingOf(&GameSettingsRecord::MainPeg), mainPeg, record), expected);
    }

    // On every board the game allows, a main peg on the board stays, and every
    // main peg off it becomes the one middle peg, rounded half up.
    void everyBoardHasOneMiddlePeg()
    {
        for (std::int32_t pegs = MinPegCount; pegs <= MaxPegCount; ++pegs) {
            const std::int32_t middle = BoundedMainPeg(0, pegs);
            QVERIFY(middle * 2 == pegs || middle * 2 == pegs + 1);
            for (std::int32_t peg = -2; peg <= pegs + 2; ++peg) {
                const bool onBoard = peg >= 1 && peg <= pegs;
                QCOMPARE(BoundedMainPeg(peg, pegs), onBoard ? peg : middle);
            }
        }
    }

    void theBoardIsHeldToItsBounds_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("mainPeg");
        QTest::addColumn<int>("heldPegs");
        QTest::addColumn<int>("heldDisks");
        QTest::addColumn<int>("heldMain");
        QTest::newRow("within bounds") << 5 << 7 << 4 << 5 << 7 << 4;
        QTest::newRow("too few") << 0 << -4 << 0 << 3 << 3 << 2;
        QTest::newRow("too many") << 500 << 5000 << 400 << 111 << 999 << 56;
        QTest::newRow("main peg checked against the held count") << 200 << 5 << 150 << 111 << 5 << 56;
        QTest::newRow("main peg kept on the held count") << 200 << 5 << 100 << 111 << 5 << 100;
        QTest::newRow("main peg that only the held count holds") << 1 << 5 << 3 << 3 << 5 << 3;
        QTest::newRow("int32 extremes") << INT_MAX << INT_MIN << INT_MIN << 111 << 3 << 56;
    }

    void theBoardIsHeldToItsBounds()
    {
        QFETCH(int, pegs);
        QFETCH(int, disks);
        QFETCH(int, mainPeg);
        GameSettingsRecord record;
        record.PegCount = pegs;
        record.DiskCount = disks;
        record.MainPeg = mainPeg;
        record.BackgroundIndex = -7;
        record.DiskStyle.GradientMode = 99;
        HoldBoardToBounds(record);
        QTEST(record.PegCount, "heldPegs");
        QTEST(record.DiskCount, "heldDisks");
        QTEST(record.MainPeg, "heldMain");
        QCOMPARE(record.BackgroundIndex, -7);
        QCOMPARE(record.DiskStyle.GradientMode, 99);
        QCOMPARE(BoundedDiskCount(disks), record.DiskCount);
    }
};

QTEST_APPLESS_MAIN(SettingsTableTest)

#include "settings_table_test.moc"
