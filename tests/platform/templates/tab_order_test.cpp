// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "platform/templates/window_template.h"

namespace {
UnitTemplate Stop(Rect rect, bool tabStop = true)
{
    UnitTemplate unit;
    unit.kind = UnitKind::EditBox;
    unit.rect = rect;
    unit.tabStop = tabStop;
    return unit;
}
}  // namespace

using Order = std::vector<std::size_t>;
Q_DECLARE_METATYPE(std::vector<UnitTemplate>)

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheRowsTheUnitsLieIn_data()
    {
        QTest::addColumn<std::vector<UnitTemplate>>("units");
        QTest::addColumn<Order>("order");
        QTest::newRow("rows top to bottom, each left to right")
            << std::vector{Stop({200, 100, 40, 20}), Stop({10, 10, 40, 20}), Stop({10, 100, 40, 20}),
                           Stop({100, 10, 40, 20})}
            << Order{1, 3, 2, 0};
        // A taller unit a little higher than its neighbours stands in their
        // row; one whose middle lies below the row's first unit starts the next.
        QTest::newRow("controls of different heights side by side")
            << std::vector{Stop({317, 35, 40, 24}), Stop({48, 37, 32, 20}),    Stop({156, 37, 32, 20}),
                           Stop({301, 76, 56, 20}), Stop({251, 103, 106, 20}), Stop({205, 101, 43, 24}),
                           Stop({8, 103, 104, 20})}
            << Order{1, 2, 0, 3, 6, 5, 4};
        QTest::newRow("overlapping the row by less than half its height")
            << std::vector{Stop({100, 0, 40, 20}), Stop({0, 15, 40, 20})} << Order{0, 1};
        QTest::newRow("only tab stops") << std::vector{Stop({0, 0, 10, 10}, false), Stop({50, 0, 10, 10}),
                                                       Stop({0, 50, 10, 10}, false), Stop({20, 0, 10, 10})}
                                        << Order{3, 1};
        QTest::newRow("none") << std::vector<UnitTemplate>{} << Order{};
        // Units without height, and units at the same place, keep the template's order.
        QTest::newRow("flat and coincident units")
            << std::vector{Stop({5, 5, 0, 0}), Stop({5, 5, 0, 0}), Stop({0, 5, 10, 0}), Stop({5, 5, 10, 10}),
                           Stop({5, 5, 10, 10})}
            << Order{2, 0, 1, 3, 4};
    }

    void followsTheRowsTheUnitsLieIn()
    {
        QFETCH(std::vector<UnitTemplate>, units);
        QFETCH(Order, order);
        QCOMPARE(TabOrder(units), order);
    }
};

QTEST_APPLESS_MAIN(TabOrderTest)
#include "tab_order_test.moc"
