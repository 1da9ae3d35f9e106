// SPDX-License-Identifier: GPL-3.0-or-later
// Move counts from a tower on the main peg, and how the tips show them.
#include <QTest>
#include <string>

#include "core/big_count.h"
#include "core/board.h"
#include "core/frame_stewart.h"
#include "core/game_settings.h"
#include "core/hint_text.h"
#include "core/solver.h"

namespace {
// 2^n − 1 in decimal, by doubling a decimal text and adding one, n times.
std::string AllOnesInDecimal(int n)
{
    std::string digits = "0";
    for (int i = 0; i < n; ++i) {
        int carry = 1;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            const int value = (*digit - '0') * 2 + carry;
            *digit = char('0' + value % 10);
            carry = value / 10;
        }
        if (carry)
            digits.insert(digits.begin(), char('0' + carry));
    }
    return digits;
}

void NewTower(int pegs, int disks, int mainPeg)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = mainPeg;
    ReverseMode = false;
    Pegs = OneBasedArray<Peg>(pegs, Peg{OneBasedArray<DiskRef>(disks, NoDisk)});
    for (int rank = 1; rank <= disks; ++rank)
        Pegs[mainPeg].Slots[rank] = rank;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}
}  // namespace

class MoveCountTest : public QObject {
    Q_OBJECT

private slots:
    void fromATower_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("disks");
        QTest::addColumn<QString>("moves");
        QTest::newRow("3 pegs, 1 disk") << 3 << 1 << "1";
        QTest::newRow("3 pegs, 3 disks") << 3 << 3 << "7";
        QTest::newRow("3 pegs, 10 disks") << 3 << 10 << "1023";
        QTest::newRow("3 pegs, 64 disks") << 3 << 64 << "18446744073709551615";
        const QStringList fourPegs{"1", "3", "5", "9", "13", "17", "25", "33", "41", "49"};
        for (int disks = 1; disks <= fourPegs.size(); ++disks)
            QTest::addRow("4 pegs, %d disks", disks) << 4 << disks << fourPegs[disks - 1];
        QTest::newRow("4 pegs, 20 disks") << 4 << 20 << "289";
        const QStringList fivePegs{"1", "3", "5", "7", "11", "15", "19", "23", "27", "31", "39"};
        for (int disks = 1; disks <= fivePegs.size(); ++disks)
            QTest::addRow("5 pegs, %d disks", disks) << 5 << disks << fivePegs[disks - 1];
    }

    // The Frame–Stewart count, and the plan without search from a tower on the
    // main peg makes it, proven shortest with three and four pegs.
    void fromATower()
    {
        QFETCH(int, pegs);
        QFETCH(int, disks);
        QFETCH(QString, moves);
        QCOMPARE(Text(FrameStewartMoves(pegs, disks).DecimalText()), moves);
        NewTower(pegs, disks, 2);
        const SolverPlan plan = PlanFromBoard(0);
        QCOMPARE(Text(plan.RemainingMoves.DecimalText()), moves);
        QCOMPARE(plan.ProvenShortest, pegs <= 4);
    }

    void threePegsAnd999Disks()
    {
        const std::string expected = AllOnesInDecimal(999);
        QCOMPARE(expected.size(), std::size_t(301));
        QCOMPARE(Text(FrameStewartMoves(3, 999).DecimalText()), Text(expected));
        NewTower(3, 999, 1);
        const SolverPlan plan = PlanFromBoard();
        QCOMPARE(Text(plan.RemainingMoves.DecimalText()), Text(expected));
        QCOMPARE(Text(HintText(plan)), QStringLiteral("提示：从 A 到 B（至少还需 5.36×10^300 步）"));
    }

    void hints_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<bool>("proven");
        QTest::addColumn<QString>("hint");
        QTest::newRow("proven") << 1 << 3 << "7" << true << "提示：从 A 到 C（至少还需 7 步）";
        QTest::newRow("not proven") << 1 << 3 << "7" << false << "提示：从 A 到 C（还需 7 步）";
        QTest::newRow("far pegs") << 27 << 111 << "1" << false << "提示：从 AA 到 DG（还需 1 步）";
        QTest::newRow("twelve digits") << 2 << 1 << "999999999999" << false
                                       << "提示：从 B 到 A（还需 999999999999 步）";
        QTest::newRow("thirteen digits") << 2 << 1 << "1000000000000" << false
                                         << "提示：从 B 到 A（还需 1.00×10^12 步）";
        QTest::newRow("rounded down") << 2 << 1 << "18446744073709551615" << true
                                      << "提示：从 B 到 A（至少还需 1.84×10^19 步）";
        QTest::newRow("rounded up to the next power")
            << 2 << 1 << "9995000000000" << false << "提示：从 B 到 A（还需 1.00×10^13 步）";
    }

    void hints()
    {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(QString, moves);
        QFETCH(bool, proven);
        QFETCH(QString, hint);
        SolverPlan plan{target, BigCount(moves.toULongLong()), proven, PegMove{source, target}};
        QCOMPARE(Text(plan.RemainingMoves.DecimalText()), moves);
        QCOMPARE(Text(HintText(plan)), hint);
    }

    void aFinishedTransferHasNoHint()
    {
        QCOMPARE(Text(HintText(SolverPlan{2, BigCount(), true, std::nullopt})), QString());
    }
};

QTEST_APPLESS_MAIN(MoveCountTest)
#include "move_count_test.moc"
