// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "core/board.h"
#include "core/game_settings.h"

namespace {
void NewBoard(int pegs, int disks, int mainPeg)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = mainPeg;
    BuildBoard();
}

// Disks on a peg, by rank, as the model holds them.
QList<int> DisksOn(int peg)
{
    QList<int> disks;
    for (int k = 1; k <= Pegs[peg].Slots.Size(); ++k)
        if (IsOccupied(Pegs[peg].Slots[k]))
            disks << k;
    return disks;
}
}  // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ReverseMode = false; }

    void aNewBoardHasEveryDiskOnTheMainPeg()
    {
        NewBoard(3, 3, 2);
        QCOMPARE(Pegs.Size(), 3);
        QCOMPARE(DisksOn(1), QList<int>());
        QCOMPARE(DisksOn(2), (QList<int>{1, 2, 3}));
        QCOMPARE(DisksOn(3), QList<int>());
        QCOMPARE(TopDisk(2), 1);
        QCOMPARE(TopDisk(1), 0);
        ReverseMode = true;
        QCOMPARE(TopDisk(2), 3);
        QVERIFY(IsPegFull(2));
        QVERIFY(!IsPegFull(1));
    }

    void drops_data()
    {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QList<int>>("onTarget");
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("normal: on a longer disk") << false << QList<int>{3} << 2 << false;
        QTest::newRow("normal: on a shorter disk") << false << QList<int>{1} << 2 << true;
        QTest::newRow("normal: on an empty peg") << false << QList<int>{} << 3 << false;
        QTest::newRow("reverse: on a shorter disk") << true << QList<int>{1} << 2 << false;
        QTest::newRow("reverse: on a longer disk") << true << QList<int>{3} << 2 << true;
        QTest::newRow("reverse: on an empty peg") << true << QList<int>{} << 1 << false;
    }

    void drops()
    {
        QFETCH(bool, reverse);
        QFETCH(QList<int>, onTarget);
        QFETCH(int, disk);
        QFETCH(bool, blocked);
        NewBoard(3, 3, 1);
        ReverseMode = reverse;
        for (int k : onTarget)
            MoveDisk(1, 3, k);
        QCOMPARE(IsDropBlocked(3, disk), blocked);
    }

    void aDropOnItsOwnPegIsAlwaysBlocked()
    {
        for (bool reverse : {false, true}) {
            NewBoard(3, 3, 1);
            ReverseMode = reverse;
            QVERIFY(IsDropBlocked(1, TopDisk(1)));
        }
    }

    void movingKeepsEveryDiskInOneSlot()
    {
        NewBoard(4, 3, 2);
        MoveDisk(2, 1, 1);
        MoveDisk(2, 4, 2);
        MoveDisk(1, 4, 1);
        QCOMPARE(DisksOn(2), QList<int>{3});
        QCOMPARE(DisksOn(4), (QList<int>{1, 2}));
        QCOMPARE(TopDisk(4), 1);
        QVERIFY(!IsPegFull(4));
    }

    void countsAreHeldToTheirBounds_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("mainPeg");
        QTest::addColumn<int>("builtPegs");
        QTest::addColumn<int>("builtDisks");
        QTest::addColumn<int>("builtMain");
        QTest::newRow("too few") << 0 << -4 << 0 << 3 << 3 << 2;
        QTest::newRow("too many") << 500 << 5000 << 400 << 111 << 999 << 56;
        QTest::newRow("main peg beyond the pegs") << 4 << 3 << 9 << 4 << 3 << 2;
    }

    void countsAreHeldToTheirBounds()
    {
        QFETCH(int, pegs);
        QFETCH(int, disks);
        QFETCH(int, mainPeg);
        NewBoard(pegs, disks, mainPeg);
        QTEST(Pegs.Size(), "builtPegs");
        QTEST(Pegs[1].Slots.Size(), "builtDisks");
        QTEST(GameSettings.MainPeg, "builtMain");
        QCOMPARE(DisksOn(GameSettings.MainPeg).size(), Pegs[1].Slots.Size());
    }

    void pegLetters_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("letters");
        for (auto [n, s] :
             {std::pair{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {0, ""}})
            QTest::addRow("%d", n) << n << QString(s);
    }

    void pegLetters()
    {
        QFETCH(int, number);
        QFETCH(QString, letters);
        QCOMPARE(QString::fromStdString(PegLetter(number)), letters);
    }
};

QTEST_APPLESS_MAIN(BoardTest)

#include "board_test.moc"
