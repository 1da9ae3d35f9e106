// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "core/board.h"
#include "core/game_settings.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "render/scene_geometry.h"
#include "render/style.h"
#include "ui/main_window_fixture.h"
#include "ui/main_window_template.h"

namespace {
QRect RectOf(const LabelUnit& unit)
{
    return QRect(Get(unit, prop::Left), Get(unit, prop::Top), Get(unit, prop::Width), Get(unit, prop::Height));
}

// Builds a board and lays it out for a client area of the given size.
void Board(int pegs, int disks, QSize client)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = 1;
    BuildBoard();
    BuildBoardElements();
    WidgetOf(主窗口)->resize(client);
    LayoutScene();
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}
}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenMainWindow()); }

    void init() { ReverseMode = false; }

    // The labels hold exactly what the geometry computes, fonts included.
    void theLabelsShowTheComputedScene_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("disks");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("template size") << 3 << 5 << QSize(603, 396) << false;
        QTest::newRow("reverse") << 4 << 7 << QSize(800, 500) << true;
        QTest::newRow("narrow") << 5 << 5 << QSize(30, 396) << false;
        QTest::newRow("too low for a row") << 3 << 5 << QSize(603, 28) << false;
        QTest::newRow("full hd, many disks") << 10 << 64 << QSize(1920, 1080) << false;
    }

    void theLabelsShowTheComputedScene()
    {
        QFETCH(int, pegs);
        QFETCH(int, disks);
        QFETCH(QSize, client);
        QFETCH(bool, reverse);
        ReverseMode = reverse;
        Board(pegs, disks, client);
        MoveDisk(1, 2, TopDisk(1));
        LayoutScene();
        const SceneGeometry scene =
            ComputeScene({client.width(), client.height(), Get(状态条, prop::Height), pegs, disks, reverse}, Pegs,
                         FitFontToHeight, FitFontToWidth);
        // A label holds no font size below 0.
        const int diskFont = std::max(scene.DiskFont, 0);
        const int pegFont = std::max(scene.PegFont, 0);
        QCOMPARE(ColumnWidth, scene.ColumnWidth);
        QCOMPARE(RectOf(标签基), ToQRect(scene.Base));
        for (int k = 1; k <= disks; ++k) {
            QCOMPARE(RectOf(DiskLabel(k)), ToQRect(*scene.Disks[k]));
            QCOMPARE(Get(DiskLabel(k), prop::LabelFont, font_part::SizePoints), diskFont);
        }
        for (int i = 1; i <= pegs; ++i) {
            QCOMPARE(RectOf(PegLabel(i)), ToQRect(scene.Pegs[i]));
            QCOMPARE(Get(PegLabel(i), prop::LabelFont, font_part::SizePoints), pegFont);
        }
    }

    // Each new board replaces the old labels: tagged, captioned, and the main
    // peg alone in its own style, wherever it stands.
    void aNewBoardReplacesTheLabels_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("mainPeg");
        for (int pegs : {3, 4, 28})
            for (int mainPeg : {1, 2, pegs})
                QTest::addRow("%d pegs, main %d", pegs, mainPeg) << pegs << mainPeg;
    }

    void aNewBoardReplacesTheLabels()
    {
        QFETCH(int, pegs);
        QFETCH(int, mainPeg);
        Board(4, 6, QSize(603, 396));
        const UnitRef oldDisk = DiskLabel(6);
        GameSettings.MainPeg = mainPeg;
        GameSettings.PegCount = pegs;
        GameSettings.DiskCount = 3;
        BuildBoard();
        BuildBoardElements();
        QVERIFY(!UnitExists(oldDisk));
        QCOMPARE(UnitListCount(FindUnits(主窗口, {}, "标签", FirstPegTag)), pegs + 3);
        for (int i = 1; i <= pegs; ++i) {
            QCOMPARE(Get(PegLabel(i), prop::Caption), PegLetter(i));
            QCOMPARE(Get(PegLabel(i), prop::Tag), std::to_string(111 + i));
            QCOMPARE(StyleFromLabel(PegLabel(i)), i == mainPeg ? GameSettings.MainPegStyle : GameSettings.PegStyle);
        }
        QCOMPARE(Get(DiskLabel(2), prop::Tag), std::string("224"));
        QCOMPARE(Get(DiskLabel(2), prop::Caption), std::string("2"));
        QCOMPARE(StyleFromLabel(DiskLabel(2)), GameSettings.DiskStyle);
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
            WidgetOf(DiskLabel(k))->installEventFilter(&counter);
        WidgetOf(标签基)->installEventFilter(&counter);
        for (int i = 1; i <= 3; ++i)
            WidgetOf(PegLabel(i))->installEventFilter(&counter);
        LayoutScene();
        QCOMPARE(counter.moves, 0);
        QCOMPARE(RectOf(DiskLabel(1)).bottom() + 1, Get(标签基, prop::Top));
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
        Set(画板1, prop::PanelFont, font_part::Bold, true);
        Set(画板1, prop::PanelFont, font_part::SizePoints, size + 1);
        QVERIFY(TextHeight(画板1, "灵") <= 30);
        Set(画板1, prop::PanelFont, font_part::SizePoints, size + 2);
        QVERIFY(TextHeight(画板1, "灵") > 30);
    }
};

WINDOW_TEST_MAIN(LayoutTest)

#include "layout_test.moc"
