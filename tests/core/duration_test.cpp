// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "core/duration.h"

class DurationTest : public QObject {
    Q_OBJECT

private slots:
    void durations_data()
    {
        QTest::addColumn<double>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0.0 << "";
        QTest::newRow("below a second") << 999.0 << "999 毫秒";
        QTest::newRow("a second") << 1000.0 << "1 秒";
        QTest::newRow("a second and a half") << 1500.0 << "1 秒 500 毫秒";
        QTest::newRow("a minute") << 60000.0 << "1 分钟";
        QTest::newRow("a minute and a second") << 61000.0 << "1 分钟 1 秒";
        QTest::newRow("an hour and a second") << 3601000.0 << "1 小时1 秒";
        QTest::newRow("an hour and a minute") << 3660000.0 << "1 小时 1 分钟";
        QTest::newRow("a day") << 86400000.0 << "1 天";
        QTest::newRow("a day and an hour") << 90000000.0 << "1 天 1 小时";
        QTest::newRow("thirty days are a month") << 2592000000.0 << "1 个月";
        QTest::newRow("twelve months are a year") << 31104000000.0 << "1 年";
        QTest::newRow("a year and a second") << 31104001000.0 << "1 年1 秒";
        QTest::newRow("59 seconds") << 59000.0 << "59 秒";
        QTest::newRow("a fraction of a millisecond") << 0.5 << "0.5 毫秒";
    }

    void durations()
    {
        QFETCH(double, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatDuration(milliseconds)), text);
    }
};

QTEST_GUILESS_MAIN(DurationTest)
#include "duration_test.moc"
