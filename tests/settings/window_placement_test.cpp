// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "settings/window_placement.h"

Q_DECLARE_METATYPE(Rect)

namespace {
const Rect Left{0, 0, 1920, 1040};
const Rect Right{1920, 0, 1280, 1024};
}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void storedRectangleIsMadeUsable_data()
    {
        QTest::addColumn<Rect>("stored");
        QTest::addColumn<Rect>("placed");
        QTest::newRow("on screen") << Rect{100, 80, 619, 434} << Rect{100, 80, 619, 434};
        QTest::newRow("on the second screen") << Rect{2000, 100, 800, 600} << Rect{2000, 100, 800, 600};
        QTest::newRow("mostly off the right, title bar still grabbable")
            << Rect{3200 - 64, 500, 619, 434} << Rect{3200 - 64, 500, 619, 434};
        QTest::newRow("too little of the title bar on screen")
            << Rect{3200 - 63, 500, 619, 434} << Rect{(1920 - 619) / 2, (1040 - 434) / 2, 619, 434};
        QTest::newRow("far left of every screen")
            << Rect{-5000, 100, 619, 434} << Rect{(1920 - 619) / 2, (1040 - 434) / 2, 619, 434};
        QTest::newRow("title bar above the top")
            << Rect{100, -1, 619, 434} << Rect{(1920 - 619) / 2, (1040 - 434) / 2, 619, 434};
        QTest::newRow("title bar below the bottom")
            << Rect{100, 1040 - 23, 619, 434} << Rect{(1920 - 619) / 2, (1040 - 434) / 2, 619, 434};
        QTest::newRow("title bar at the bottom of the second screen")
            << Rect{2000, 1000, 619, 434} << Rect{2000, 1000, 619, 434};
        QTest::newRow("too small keeps its place")
            << Rect{300, 200, 10, 5} << Rect{300, 200, MinPlacementWidth, MinPlacementHeight};
        QTest::newRow("a size a player could choose is kept") << Rect{300, 200, 150, 100} << Rect{300, 200, 150, 100};
        QTest::newRow("larger than the start screen and lost")
            << Rect{50000, 50000, 4000, 3000} << Rect{0, 0, 1920, 1040};
        QTest::newRow("larger than its screen: fitted into it") << Rect{10, 5, 3000, 2000} << Rect{0, 0, 1920, 1040};
        QTest::newRow("wider than the second screen: fitted into it")
            << Rect{2500, 100, 1500, 600} << Rect{1920, 100, 1280, 600};
        QTest::newRow("taller than its screen: moved up into it")
            << Rect{100, 500, 619, 1200} << Rect{100, 0, 619, 1040};
        QTest::newRow("extreme values do not overflow")
            << Rect{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX} << Rect{0, 0, 1920, 1040};
    }

    void storedRectangleIsMadeUsable()
    {
        QFETCH(Rect, stored);
        QFETCH(Rect, placed);
        const Rect result = PlacementOnScreen(stored, {Left, Right}, Left);
        QCOMPARE(result.left, placed.left);
        QCOMPARE(result.top, placed.top);
        QCOMPARE(result.width, placed.width);
        QCOMPARE(result.height, placed.height);
    }
};

QTEST_APPLESS_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
