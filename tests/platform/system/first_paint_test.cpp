// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTest>

#include "platform/system/first_paint.h"

class FirstPaintTest : public QObject {
    Q_OBJECT

private slots:
    // One sequence: the first paint happens once in a process.
    void workAfterTheFirstFrameRunsOnTheEventLoop()
    {
        // A window shown minimised paints nothing: the work still runs.
        bool withoutFrame = false;
        AfterFirstFrame([&] { withoutFrame = true; });
        QCoreApplication::processEvents();
        QVERIFY(!withoutFrame);
        QTRY_VERIFY(withoutFrame);

        // The frame is whole and shown before the work runs.
        bool afterFrame = false;
        AfterFirstFrame([&] { afterFrame = true; });
        QCoreApplication::processEvents();
        QVERIFY(!afterFrame);
        ReportFirstPaint();
        QVERIFY(!afterFrame);
        QCoreApplication::processEvents();
        QVERIFY(afterFrame);

        // Once painted, work runs on the next turn of the event loop.
        bool later = false;
        AfterFirstFrame([&] { later = true; });
        QVERIFY(!later);
        QCoreApplication::processEvents();
        QVERIFY(later);
    }
};

QTEST_GUILESS_MAIN(FirstPaintTest)

#include "first_paint_test.moc"
