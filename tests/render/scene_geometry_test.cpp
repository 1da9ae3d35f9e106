// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <random>

#include "core/board.h"
#include "core/game_settings.h"
#include "render/scene_geometry.h"

namespace {
constexpr int StatusBar = 20;

// Font fitting that tells which limit it was asked about.
std::int32_t EchoFit(std::int32_t limit)
{
    return 1000 + limit;
}

SceneGeometry Layout(int pegs, int disks, QSize client, bool reverse = false)
{
    return ComputeScene({client.width(), client.height(), StatusBar, pegs, disks, reverse}, Pegs, EchoFit, EchoFit);
}

void NewBoard(int pegs, int disks, int mainPeg = 1)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = mainPeg;
    BuildBoard();
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

QRect DiskRect(const SceneGeometry& scene, int disk)
{
    return ToQRect(*scene.Disks[disk]);
}

// Spreads the disks over the pegs by legal moves, as a game in progress does.
void Scramble(std::mt19937& random, int moves)
{
    std::uniform_int_distribution<int> peg(1, Pegs.Size());
    for (int done = 0; done < moves; ++done) {
        const int from = peg(random);
        const int to = peg(random);
        if (TopDisk(from) != 0 && !IsDropBlocked(to, TopDisk(from)))
            MoveDisk(from, to, TopDisk(from));
    }
}

// The disks of a peg from the bottom of its stack up.
QList<int> StackOf(int peg, bool reverse)
{
    QList<int> stack;
    const int count = Pegs[peg].Slots.Size();
    for (int step = 0; step < count; ++step) {
        const int k = reverse ? step + 1 : count - step;
        if (IsOccupied(Pegs[peg].Slots[k]))
            stack << k;
    }
    return stack;
}
}  // namespace

class SceneGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void theDefaultBoardAtTheTemplateSize()
    {
        NewBoard(3, 5);
        const SceneGeometry scene = Layout(3, 5, QSize(603, 396));
        const int play = 396 - StatusBar;
        const int row = play / 9;
        QCOMPARE(scene.PlayHeight, play);
        QCOMPARE(scene.RowHeight, row);
        QCOMPARE(scene.ColumnWidth, 201);
        QCOMPARE(ToQRect(scene.Base), QRect(0, play - row, 603, row));
        QCOMPARE(scene.DiskHeight, int(row / 100.0 * 80));
        QCOMPARE(scene.DiskFont, EchoFit(scene.DiskHeight));
        QCOMPARE(DiskRect(scene, 5).width(), 201);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(DiskRect(scene, k).width(), int(201 - (5 - k) * 201.0 / 5));
        QCOMPARE(scene.PegWidth, DiskRect(scene, 1).width() / 2);
        QCOMPARE(scene.PegFont, EchoFit(scene.PegWidth));
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(scene.Pegs[i].top, row * 2);
            QCOMPARE(scene.Pegs[i].height, play - row * 3);
        }
    }

    // The rectangles of the edge cases, each against values worked out by hand.
    void edgeCases_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("disks");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("base");
        QTest::addColumn<QRect>("disk1");
        QTest::addColumn<QRect>("lastPeg");
        // 376 / 7 = 53 rows; 42-pixel disks; columns of 150 leave 3 pixels at the right.
        QTest::newRow("width not divisible") << 4 << 3 << QSize(603, 396) << QRect(0, 323, 603, 53)
                                             << QRect(50, 197, 50, 42) << QRect(512, 106, 25, 217);
        // Columns of 6: disk 1 is 1 pixel wide, so the pegs would be 0 and are 1.
        QTest::newRow("narrow window") << 5 << 5 << QSize(30, 396) << QRect(0, 335, 30, 41) << QRect(2, 175, 1, 32)
                                       << QRect(26, 82, 1, 253);
        // A play area of 8 pixels has rows of 0: everything collapses onto its bottom.
        QTest::newRow("too low for a row")
            << 3 << 5 << QSize(603, 28) << QRect(0, 8, 603, 0) << QRect(80, 8, 40, 0) << QRect(492, 0, 20, 8);
        // Below the status bar the rows turn negative: the base keeps its own
        // height (-1 asks for none), sizes read back as 0.
        QTest::newRow("lower than the status bar")
            << 3 << 5 << QSize(603, 10) << QRect(0, -9, 603, -1) << QRect(80, -9, 40, 0) << QRect(492, -2, 20, 0);
    }

    void edgeCases()
    {
        QFETCH(int, pegs);
        QFETCH(int, disks);
        QFETCH(QSize, client);
        NewBoard(pegs, disks);
        const SceneGeometry scene = Layout(pegs, disks, client);
        QTEST(ToQRect(scene.Base), "base");
        QTEST(DiskRect(scene, 1), "disk1");
        QTEST(ToQRect(scene.Pegs[pegs]), "lastPeg");
    }

    void reverseModeStacksTheShortestAtTheBottom()
    {
        NewBoard(3, 5);
        const SceneGeometry normal = Layout(3, 5, QSize(603, 396));
        const SceneGeometry reverse = Layout(3, 5, QSize(603, 396), true);
        QCOMPARE(DiskRect(normal, 5).bottom() + 1, normal.Base.top);
        QCOMPARE(DiskRect(reverse, 1).bottom() + 1, reverse.Base.top);
        QVERIFY(DiskRect(reverse, 5).top() < DiskRect(reverse, 4).top());
        QVERIFY(DiskRect(normal, 1).top() < DiskRect(normal, 2).top());
    }

    void aMovedDiskKeepsItsWidthAndLandsOnItsNewPeg()
    {
        NewBoard(3, 5);
        const int width = DiskRect(Layout(3, 5, QSize(603, 396)), 1).width();
        MoveDisk(1, 3, 1);
        const SceneGeometry scene = Layout(3, 5, QSize(603, 396));
        QCOMPARE(DiskRect(scene, 1).width(), width);
        QCOMPARE(DiskRect(scene, 1).bottom() + 1, scene.Base.top);
        QVERIFY(qAbs(DiskRect(scene, 1).left() * 2 + width - (2 * 402 + 201)) <= 1);
        QCOMPARE(DiskRect(scene, 2).bottom() + 1, scene.Base.top - scene.DiskHeight * 3);
    }

    void aBoardWithoutDisk1KeepsThePegsAtMost250Wide()
    {
        NewBoard(3, 3);
        Pegs[1].Slots[1] = NoDisk;
        const SceneGeometry scene = Layout(3, 3, QSize(3000, 1000));
        QVERIFY(!scene.Disks[1]);
        QCOMPARE(scene.PegWidth, 250);
    }

    // Over many boards, sizes and games in progress: every disk lies inside its
    // peg's column, centred on it; the disks of a peg stack on the base without
    // gaps or overlaps in the order of the mode; every peg reaches from the top
    // of the lifted-disk band to the base.
    void propertiesHoldOverManyBoards()
    {
        std::mt19937 random(2024);
        std::uniform_int_distribution<int> width(40, 4000);
        std::uniform_int_distribution<int> height(60, 3000);
        // Widths below the peg count leave columns of 0, heights below the disk count rows of 0.
        for (const auto& [pegs, disks] :
             {std::pair{3, 3}, {3, 5}, {4, 7}, {7, 10}, {10, 64}, {20, 200}, {30, 100}, {111, 999}}) {
            for (int round = 0; round < 12; ++round) {
                const bool reverse = round % 2 == 1;
                const QSize client(width(random), height(random));
                NewBoard(pegs, disks, 1 + round % pegs);
                Scramble(random, 200);
                const SceneGeometry scene = Layout(pegs, disks, client, reverse);
                const QString where = QStringLiteral("%1 x %2 at %3 x %4%5")
                                          .arg(pegs)
                                          .arg(disks)
                                          .arg(client.width())
                                          .arg(client.height())
                                          .arg(reverse ? " reverse" : "");
                const int column = scene.ColumnWidth;
                QVERIFY2(scene.Base.top + scene.Base.height == scene.PlayHeight, qPrintable(where));
                for (int i = 1; i <= pegs; ++i) {
                    const QRect peg = ToQRect(scene.Pegs[i]);
                    QVERIFY2(peg.left() >= (i - 1) * column && peg.left() + peg.width() <= i * column + 1,
                             qPrintable(where));
                    QVERIFY2(qAbs(peg.left() * 2 + peg.width() - ((2 * i - 1) * column)) <= 1, qPrintable(where));
                    QVERIFY2(peg.top() == 2 * scene.RowHeight && peg.top() + peg.height() == scene.Base.top,
                             qPrintable(where));
                    int below = scene.Base.top;
                    int previousWidth = -1;
                    for (int k : StackOf(i, reverse)) {
                        const QRect disk = DiskRect(scene, k);
                        // Rows of a pixel or more: every disk at least a pixel each way,
                        // the computed width wherever that is a pixel or more.
                        const int computed = int(column - double(disks - k) * column / disks);
                        QVERIFY2(disk.width() == (scene.RowHeight >= 1 ? qMax(computed, 1) : computed),
                                 qPrintable(where));
                        QVERIFY2(disk.left() >= (i - 1) * column && disk.left() + disk.width() <= qMax(i * column, 1),
                                 qPrintable(where));
                        QVERIFY2(qAbs(disk.left() * 2 + disk.width() - ((2 * i - 1) * column)) <= 1, qPrintable(where));
                        QVERIFY2(disk.top() + disk.height() == below, qPrintable(where));
                        QVERIFY2(disk.height() == scene.DiskHeight, qPrintable(where));
                        QVERIFY2(disk.height() == (scene.RowHeight >= 1 ? qMax(scene.RowHeight * 8 / 10, 1) : 0),
                                 qPrintable(where));
                        QVERIFY2(reverse ? disk.width() >= previousWidth
                                         : previousWidth < 0 || disk.width() <= previousWidth,
                                 qPrintable(where));
                        previousWidth = disk.width();
                        below = disk.top();
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(SceneGeometryTest)

#include "scene_geometry_test.moc"
