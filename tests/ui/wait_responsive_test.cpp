// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"
#include "ui/wait_responsive.h"

class WaitResponsiveTest : public QObject {
    Q_OBJECT

private slots:
    void eventsAreHandledWhileWaiting()
    {
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(20);
        QElapsedTimer clock;
        clock.start();
        WaitResponsive(200);
        QVERIFY(clock.elapsed() >= 190);
        QVERIFY(ticks >= 1);
    }

    void nothingToWaitForHandlesNothing()
    {
        bool handled = false;
        QTimer::singleShot(0, [&] { handled = true; });
        WaitResponsive(0);
        WaitResponsive(-50);
        QVERIFY(!handled);
        WaitResponsive(10);
        QVERIFY(handled);
    }
};

WINDOW_TEST_MAIN(WaitResponsiveTest)

#include "wait_responsive_test.moc"
