// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <functional>

#include "render/font_fitting.h"

namespace {
using MeasureFunction = std::function<std::int32_t(std::int32_t)>;

// The rule itself: try 1, 2, 3, ... and stop at the first size whose measure
// exceeds the limit; the answer is two below it.
std::int32_t TryEverySize(std::int32_t limit, const MeasureFunction& measure)
{
    std::int32_t size = 1;
    while (size < LargestFontSize && measure(size) <= limit)
        ++size;
    return size - 2;
}
}  // namespace

Q_DECLARE_METATYPE(MeasureFunction)

class FontFittingTest : public QObject {
    Q_OBJECT

private slots:
    void answersAsTryingEverySize_data()
    {
        // Measures that grow in proportion to the size, as text extents do,
        // take a handful of measurements; any other no more than two dozen.
        QTest::addColumn<MeasureFunction>("measure");
        QTest::addColumn<int>("most");
        QTest::newRow("linear") << MeasureFunction([](std::int32_t s) { return s; }) << 5;
        QTest::newRow("steep") << MeasureFunction([](std::int32_t s) { return 3 * s + 2; }) << 5;
        // Text extents grow in steps and stay flat between them.
        QTest::newRow("steps") << MeasureFunction([](std::int32_t s) { return (s / 3) * 4 + 1; }) << 5;
        QTest::newRow("slow") << MeasureFunction([](std::int32_t s) { return s / 7; }) << 26;
        QTest::newRow("never fits") << MeasureFunction([](std::int32_t) { return 1000000; }) << 26;
    }

    void answersAsTryingEverySize()
    {
        QFETCH(MeasureFunction, measure);
        QFETCH(int, most);
        for (std::int32_t limit : {-5, 0, 1, 2, 3, 7, 10, 29, 30, 31, 100, 511, 512, 4000, 100000}) {
            int measured = 0;
            const std::int32_t fitted = FittedFontSize(limit, [&](std::int32_t s) {
                ++measured;
                return measure(s);
            });
            QCOMPARE(fitted, TryEverySize(limit, measure));
            QVERIFY(measured <= most);
        }
    }
};

QTEST_APPLESS_MAIN(FontFittingTest)

#include "font_fitting_test.moc"
