#include <QTest>

#include "core/board.h"
#include "core/game_settings.h"
#include "platform/event_loop.h"
#include "ui/main_window_fixture.h"
#include "platform/test_window.h"
#include "render/layout.h"
#include "render/style.h"
#include "ui/main_window_template.h"

namespace {
QRect RectOf(const UnitRef& unit)
{
    return QRect(GetInt(unit, prop::Left), GetInt(unit, prop::Top), GetInt(unit, prop::Width),
                 GetInt(unit, prop::Height));
}

// Builds a board and lays it out for a client area of the given size.
void Board(int pegs, int disks, QSize client)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = 1;
    BuildBoard();
    WidgetOf(主窗口)->resize(client);
    LayoutScene();
}

int PlayHeight()
{
    return ClientHeight(主窗口) - 20;
}
}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(OpenMainWindow());
    }

    void init() { ReverseMode = false; }

    void theDefaultBoardAtTheTemplateSize()
    {
        Board(3, 5, QSize(603, 396));
        const int row = PlayHeight() / 9;
        QCOMPARE(ColumnWidth, 201);
        QCOMPARE(RectOf(标签基), QRect(0, PlayHeight() - row, 603, row));
        const int diskHeight = int(row / 100.0 * 80);
        QCOMPARE(GetInt(Pegs[1].Slots[5], prop::Width), ColumnWidth);
        int below = RectOf(标签基).top();
        for (int k = 5; k >= 1; --k) {
            const QRect disk = RectOf(Pegs[1].Slots[k]);
            QCOMPARE(disk.height(), diskHeight);
            QCOMPARE(disk.bottom() + 1, below);
            QCOMPARE(disk.width(), int(201 - (5 - k) * 201.0 / 5));
            QVERIFY(qAbs(disk.left() * 2 + disk.width() - 201) <= 1);
            below = disk.top();
        }
        for (int i = 1; i <= 3; ++i) {
            const QRect peg = RectOf(Pegs[i].PegLabel);
            QCOMPARE(peg.top(), row * 2);
            QCOMPARE(peg.height(), PlayHeight() - row * 3);
            QCOMPARE(peg.width(), GetInt(Pegs[1].Slots[1], prop::Width) / 2);
            QVERIFY(qAbs(peg.left() * 2 + peg.width() - ((i - 1) * 402 + 201)) <= 1);
        }
    }

    void aWidthNotDivisibleByThePegsLeavesAStripButTheBaseSpansIt()
    {
        Board(4, 3, QSize(603, 396));
        QCOMPARE(ColumnWidth, 150);
        QCOMPARE(GetInt(标签基, prop::Width), 603);
        QCOMPARE(GetInt(Pegs[1].Slots[3], prop::Width), 150);
        const QRect last = RectOf(Pegs[4].PegLabel);
        QVERIFY(last.right() < 600);
    }

    void reverseModeStacksTheShortestAtTheBottomAndBack()
    {
        Board(3, 5, QSize(603, 396));
        ReverseMode = true;
        LayoutScene();
        const int baseTop = GetInt(标签基, prop::Top);
        QCOMPARE(RectOf(Pegs[1].Slots[1]).bottom() + 1, baseTop);
        QVERIFY(GetInt(Pegs[1].Slots[5], prop::Top) < GetInt(Pegs[1].Slots[4], prop::Top));
        ReverseMode = false;
        LayoutScene();
        QCOMPARE(RectOf(Pegs[1].Slots[5]).bottom() + 1, baseTop);
        QVERIFY(GetInt(Pegs[1].Slots[1], prop::Top) < GetInt(Pegs[1].Slots[2], prop::Top));
    }

    void aMovedDiskKeepsItsWidthAndLandsOnItsNewPeg()
    {
        Board(3, 5, QSize(603, 396));
        const int width = GetInt(Pegs[1].Slots[1], prop::Width);
        MoveDisk(1, 3, 1);
        LayoutScene();
        const QRect moved = RectOf(Pegs[3].Slots[1]);
        QCOMPARE(moved.width(), width);
        QCOMPARE(moved.bottom() + 1, GetInt(标签基, prop::Top));
        QVERIFY(qAbs(moved.left() * 2 + moved.width() - (2 * 402 + 201)) <= 1);
    }

    void aDropMovesOnlyTheDiskThatMoved()
    {
        Board(3, 5, QSize(603, 396));
        MoveDisk(1, 2, 1);
        struct Counter : QObject {
            int moves = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                moves += event->type() == QEvent::Move || event->type() == QEvent::Resize;
                return false;
            }
        } counter;
        for (int k = 2; k <= 5; ++k)
            WidgetOf(Pegs[1].Slots[k])->installEventFilter(&counter);
        WidgetOf(标签基)->installEventFilter(&counter);
        for (int i = 1; i <= 3; ++i)
            WidgetOf(Pegs[i].PegLabel)->installEventFilter(&counter);
        LayoutScene();
        QCOMPARE(counter.moves, 0);
        QCOMPARE(RectOf(Pegs[2].Slots[1]).bottom() + 1, GetInt(标签基, prop::Top));
    }

    void inANarrowWindowPegsAreOnePixelWide()
    {
        Board(5, 5, QSize(30, 396));
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(GetInt(Pegs[i].PegLabel, prop::Width), 1);
    }

    void aWindowTooLowForARowPassesTheValuesOn()
    {
        Board(3, 5, QSize(603, 28));
        QCOMPARE(PlayHeight(), 8);
        QCOMPARE(GetInt(标签基, prop::Height), 0);
        QCOMPARE(GetInt(标签基, prop::Top), 8);
        QCOMPARE(GetInt(Pegs[1].Slots[5], prop::Height), 0);
        QCOMPARE(GetInt(Pegs[1].PegLabel, prop::Height), 8);
    }

    void aStyleAppliedReadsBackClamped()
    {
        const ElementStyle style{Rgb(1, 2, 3), NoColour, Rgb(7, 8, 9), 9, 7};
        ApplyStyle(style, 标签基);
        QCOMPARE(StyleFromLabel(标签基), (ElementStyle{Rgb(1, 2, 3), NoColour, Rgb(7, 8, 9), 8, 6}));
        ApplyStyle(GameSettings.BaseStyle, 标签基);
        QCOMPARE(StyleFromLabel(标签基), GameSettings.BaseStyle);
    }

    void theTemplatesShowTheDefaultStyles()
    {
        const GameSettingsRecord defaults;
        QCOMPARE(StyleFromLabel(标签横), defaults.DiskStyle);
        QCOMPARE(StyleFromLabel(标签柱), defaults.PegStyle);
    }

    void fontsFitTheirRoom()
    {
        QVERIFY(FitFontToHeight(40) > FitFontToHeight(20));
        QVERIFY(FitFontToHeight(1) <= 0);
        // One point below the largest size whose bold "灵" fits.
        const int size = FitFontToHeight(30);
        SetInt(画板1, prop::PanelFont, 1, font_element::Bold);
        SetInt(画板1, prop::PanelFont, size + 1, font_element::SizePoints);
        QVERIFY(TextHeight(画板1, "灵") <= 30);
        SetInt(画板1, prop::PanelFont, size + 2, font_element::SizePoints);
        QVERIFY(TextHeight(画板1, "灵") > 30);
    }
};

WINDOW_TEST_MAIN(LayoutTest)

#include "layout_test.moc"
