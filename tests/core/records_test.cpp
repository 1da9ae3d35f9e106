// SPDX-License-Identifier: GPL-3.0-or-later
// What sets a record and what the records file's text holds: time and moves
// beaten each on their own, a tie keeping the first day, a demonstrated game
// counted without a record, boards kept apart, the tip after a won game, a
// failed save told once, clearing; the text given back whole, and damage
// left out board by board.
#include <QTest>
#include <random>
#include <vector>

#include "core/board.h"
#include "core/disk_moves.h"
#include "core/fewest_moves.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/game_view.h"
#include "core/records.h"
#include "core/records_text.h"
#include "core/solver.h"

namespace {
class TipView : public GameView {
public:
    void BuildBoardElements() override {}
    void LayoutScene() override {}
    void NextBackground() override {}
    void ShowStatus(int part, const std::string& text) override
    {
        if (part == status_part::Tip)
            tip = QString::fromStdString(text);
    }
    void RunClock(bool) override {}
    void ShowPaused(bool) override {}
    void LiftCancelled() override {}
    void ProcessPendingMessages() override {}
    bool WaitWhileOpen(std::int32_t) override { return true; }

    QString tip;
};

// Keeps the records in memory, or fails every save.
class MemoryKeeper : public RecordsKeeper {
public:
    RecordTable Load() override { return kept; }
    bool Save(const RecordTable& table) override
    {
        if (failing)
            return false;
        kept = table;
        return true;
    }
    RecordTable kept;
    bool failing = false;
};

const RecordBoard ThreeByThree{3, 3, false};

// Plays the shortest transfer of three disks from peg 1 to peg 3.
void WinThreeDisks(bool demonstrated = false)
{
    GameSettings.PegCount = 3;
    GameSettings.DiskCount = 3;
    GameSettings.MainPeg = 1;
    ReverseMode = false;
    NewGame(new_game::Redraw);
    const int plan[][2] = {{1, 3}, {1, 2}, {3, 2}, {1, 3}, {2, 1}, {2, 3}, {1, 3}};
    for (const auto& [from, to] : plan) {
        if (demonstrated)
            NoteDemonstrationMove();
        QVERIFY(LiftDisk(from));
        PutDownDisk(to);
    }
}

// "[3 pegs 3 disks normal]" with its keys, one a line.
std::string Section(const char* header, std::initializer_list<const char*> lines)
{
    std::string text = std::string(header) + "\n";
    for (const char* line : lines)
        text += std::string(line) + "\n";
    return text;
}

const std::string GoodFirst = Section("[3 pegs 5 disks normal]", {"completed=1"});
const std::string GoodLast =
    Section("[111 pegs 999 disks reverse]", {"best_time=3", "best_time_date=2026-01-02", "completed=2"});
}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT

    TipView view;
    MemoryKeeper keeper;

private slots:
    void initTestCase() { SetGameView(&view); }

    void init()
    {
        keeper = MemoryKeeper();
        SetRecordsKeeper(&keeper);
    }

    void cleanupTestCase() { SetRecordsKeeper(nullptr); }

    void timeAndMovesAreBeatenEachOnTheirOwn()
    {
        struct Step {
            std::int64_t seconds, moves;
            bool demonstrated;
            const char* date;
            bool record;
            std::int64_t time;
            const char* timeDate;
            std::int64_t fewest;
            const char* movesDate;
        };
        const Step steps[] = {
            {10, 9, false, "2026-01-01", true, 10, "2026-01-01", 9, "2026-01-01"},
            // Faster in more moves: the time only.
            {8, 11, false, "2026-01-02", true, 8, "2026-01-02", 9, "2026-01-01"},
            // As fast in fewer moves: the moves only; the tie keeps its day.
            {8, 7, false, "2026-01-03", true, 8, "2026-01-02", 7, "2026-01-03"},
            {8, 7, false, "2026-01-04", false, 8, "2026-01-02", 7, "2026-01-03"},
            {30, 40, false, "2026-01-05", false, 8, "2026-01-02", 7, "2026-01-03"},
            // Better in both, but demonstrated.
            {1, 7, true, "2026-01-06", false, 8, "2026-01-02", 7, "2026-01-03"},
        };
        RecordTable table;
        std::int64_t completed = 0;
        for (const Step& step : steps) {
            const bool record =
                AddFinishedTransfer(table, {ThreeByThree, step.seconds, step.moves, step.demonstrated, step.date});
            const BoardRecords& board = table.at(ThreeByThree);
            QCOMPARE(record, step.record);
            QCOMPARE(board.Time, (BestMark{step.time, step.timeDate}));
            QCOMPARE(board.Moves, (BestMark{step.fewest, step.movesDate}));
            QCOMPARE(board.Completed, ++completed);
        }
    }

    void aDemonstratedFirstGameIsCountedWithoutRecords()
    {
        RecordTable table;
        QVERIFY(!AddFinishedTransfer(table, {ThreeByThree, 5, 7, true, "2026-01-01"}));
        QCOMPARE(table.at(ThreeByThree), (BoardRecords{{}, {}, 1}));
    }

    void boardsAreKeptApartInTheirOrder()
    {
        const std::vector<RecordBoard> boards = {{3, 3, false}, {3, 3, true}, {3, 4, false}, {4, 3, false}};
        RecordTable table;
        for (auto board = boards.rbegin(); board != boards.rend(); ++board)
            QVERIFY(AddFinishedTransfer(table, {*board, 5, 20, false, "2026-01-01"}));
        QVERIFY(!AddFinishedTransfer(table, {{3, 3, true}, 6, 21, false, "2026-01-02"}));
        std::vector<RecordBoard> order;
        for (const auto& [board, records] : table)
            order.push_back(board);
        QVERIFY(order == boards);
        QCOMPARE(table.at({3, 3, true}).Completed, 2);
        QCOMPARE(table.at({3, 3, false}).Completed, 1);
    }

    // The solver's count from a new game's tower, and whether it is proven.
    void theFewestFromATowerAreTheSolvers()
    {
        for (int pegs = 3; pegs <= 7; ++pegs) {
            for (int disks = 3; disks <= 11; ++disks) {
                const SolverPlan plan = PlanFrom({pegs, 1, std::vector<std::int32_t>(std::size_t(disks), 1)});
                const FewestMoves fewest = FewestFromTower(pegs, disks);
                QCOMPARE(fewest.Moves.DecimalText(), plan.RemainingMoves.DecimalText());
                QCOMPARE(fewest.Proven, plan.ProvenShortest);
            }
        }
    }

    void aWonGameTellsANewRecord()
    {
        WinThreeDisks();
        QVERIFY2(view.tip.startsWith("新纪录！游戏初始完毕"), qPrintable(view.tip));
        const BoardRecords& kept = keeper.kept.at(ThreeByThree);
        QCOMPARE(kept.Moves.Value, 7);
        QCOMPARE(kept.Completed, 1);
        WinThreeDisks();
        QVERIFY2(view.tip.startsWith("游戏初始完毕"), qPrintable(view.tip));
        QCOMPARE(keeper.kept.at(ThreeByThree).Completed, 2);
    }

    void aDemonstratedGameSetsNoRecord()
    {
        WinThreeDisks(true);
        QVERIFY2(view.tip.startsWith("游戏初始完毕"), qPrintable(view.tip));
        QCOMPARE(keeper.kept.at(ThreeByThree), (BoardRecords{{}, {}, 1}));
        // The next game is the player's own again.
        WinThreeDisks();
        QVERIFY2(view.tip.startsWith("新纪录！"), qPrintable(view.tip));
    }

    void aFailedSaveIsToldOnce()
    {
        keeper.failing = true;
        WinThreeDisks();
        QCOMPARE(view.tip, QStringLiteral("新纪录！成绩未能存入文件！"));
        WinThreeDisks();
        QVERIFY2(view.tip.startsWith("游戏初始完毕"), qPrintable(view.tip));
        QCOMPARE(Records().at(ThreeByThree).Completed, 2);
        QVERIFY(keeper.kept.empty());
    }

    void clearingForgetsEverything()
    {
        WinThreeDisks();
        QVERIFY(ClearRecords());
        QVERIFY(Records().empty());
        QVERIFY(keeper.kept.empty());
    }

    void theTextGivesBackItsRecords()
    {
        std::mt19937 random(20261208);
        auto upTo = [&random](std::int64_t most) {
            return std::uniform_int_distribution<std::int64_t>(0, most)(random);
        };
        for (int round = 0; round < 100; ++round) {
            RecordTable table;
            for (int board = int(upTo(5)); board > 0; --board) {
                RecordBoard kind{std::int32_t(3 + upTo(108)), std::int32_t(3 + upTo(996)), upTo(1) == 1};
                BoardRecords records{{}, {}, 1 + upTo(MostRecordedCount - 1)};
                if (upTo(1))
                    records.Time = {upTo(MostRecordedSeconds), "2026-12-0" + std::to_string(1 + upTo(8))};
                // Far above the fewest of a board of at most 20 disks (2^20 − 1 moves at most).
                if (upTo(1)) {
                    kind.DiskCount = std::int32_t(3 + upTo(17));
                    records.Moves = {MostRecordedCount - upTo(1000), "1999-01-31"};
                }
                table[kind] = records;
            }
            const ReadRecords read = ParseRecords(RecordsText(table));
            QVERIFY(!read.Damaged);
            QVERIFY(read.Table == table);
        }
    }

    void textOfOtherHandsIsRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("comments, blanks, CR LF")
            << QByteArray("; records\r\n\r\n  [3 pegs 3 disks normal]  \r\n# kept\r\n completed = 2 \r\n");
        QTest::newRow("the fewest possible, whatever they say")
            << QByteArray("[3 pegs 3 disks normal]\nfewest_possible=1\nfewest_possible_proven=maybe\ncompleted=2\n");
    }

    void textOfOtherHandsIsRead()
    {
        QFETCH(QByteArray, text);
        const ReadRecords read = ParseRecords(text.toStdString());
        QVERIFY(!read.Damaged);
        QCOMPARE(read.Table.at(ThreeByThree).Completed, 2);
    }

    void damageIsLeftOutBoardByBoard_data()
    {
        QTest::addColumn<QByteArray>("damage");
        auto row = [](const char* name, const std::string& text) {
            QTest::newRow(name) << QByteArray::fromStdString(text);
        };
        row("no number", Section("[3 pegs 3 disks normal]", {"completed=two"}));
        row("negative", Section("[3 pegs 3 disks normal]", {"completed=-1"}));
        row("leading zero", Section("[3 pegs 3 disks normal]", {"completed=01"}));
        row("beyond a machine word", Section("[3 pegs 3 disks normal]", {"completed=99999999999999999999"}));
        row("absurd count", Section("[3 pegs 3 disks normal]", {"completed=1000000000000001"}));
        row("absurd time",
            Section("[3 pegs 3 disks normal]", {"best_time=2147483648", "best_time_date=2026-01-01", "completed=1"}));
        row("below the proven fewest",
            Section("[3 pegs 3 disks normal]", {"fewest_moves=6", "fewest_moves_date=2026-01-01", "completed=1"}));
        row("below the proven fewest, four pegs",
            Section("[4 pegs 20 disks reverse]", {"fewest_moves=288", "fewest_moves_date=2026-01-01", "completed=1"}));
        row("too few pegs", Section("[2 pegs 3 disks normal]", {"completed=1"}));
        row("too many pegs", Section("[112 pegs 3 disks normal]", {"completed=1"}));
        row("too many disks", Section("[3 pegs 1000 disks normal]", {"completed=1"}));
        row("no mode", Section("[3 pegs 3 disks]", {"completed=1"}));
        row("a board twice", Section("[3 pegs 5 disks normal]", {"completed=1"}));
        row("a key twice", Section("[3 pegs 3 disks normal]", {"completed=1", "completed=1"}));
        row("an unknown key", Section("[3 pegs 3 disks normal]", {"completed=1", "best=1"}));
        row("a time without its day", Section("[3 pegs 3 disks normal]", {"best_time=5", "completed=1"}));
        row("a day without its moves",
            Section("[3 pegs 3 disks normal]", {"fewest_moves_date=2026-01-01", "completed=1"}));
        row("no such day",
            Section("[3 pegs 3 disks normal]", {"best_time=5", "best_time_date=2026-13-01", "completed=1"}));
        row("never completed", Section("[3 pegs 3 disks normal]", {"completed=0"}));
        row("no key", Section("[3 pegs 3 disks normal]", {"completed=1", "garbage"}));
        row("binary", std::string("[\x7f"
                                  "ELF\x02\x01\x01\0\0\0\xff\xfe]\n=\x80\n\0\n",
                                  20));
    }

    // A damaged board goes; the boards around it stay.
    void damageIsLeftOutBoardByBoard()
    {
        QFETCH(QByteArray, damage);
        const ReadRecords read = ParseRecords(GoodFirst + damage.toStdString() + GoodLast);
        QVERIFY(read.Damaged);
        QCOMPARE(read.Table.size(), 2u);
        QVERIFY(read.Table == ParseRecords(GoodFirst + GoodLast).Table);
    }
};

QTEST_APPLESS_MAIN(RecordsTest)
#include "records_test.moc"
