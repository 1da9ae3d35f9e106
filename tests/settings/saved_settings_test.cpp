// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/settings_table.h"
#include "platform/files/profile.h"
#include "platform/texts/gbk.h"
#include "platform/windows/screen.h"
#include "render/scene_builder.h"
#include "render/style.h"
#include "settings/saved_settings.h"
#include "settings/window_placement.h"
#include "ui/main_window.h"
#include "ui/main_window_fixture.h"

namespace {
// The file as the game stores it: GBK with CRLF line ends.
void WriteSettings(const std::string& text, const std::string& path = TestSettingsPath())
{
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const std::string bytes = Utf8ToGbk(text);
    file.write(bytes.data(), qint64(bytes.size()));
}

std::string StoredBytes()
{
    QFile file(QString::fromStdString(TestSettingsPath()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return GbkToUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

std::string Stored(const char* section, const char* key)
{
    return ReadProfileText(TestSettingsPath(), section, key, "(none)");
}

// Closes the main window the way the player does, through its close query.
void CloseByPlayer()
{
    WidgetOf(主窗口)->close();
    QTRY_VERIFY(!UnitExists(主窗口));
}

void CloseDirectly()
{
    if (UnitExists(主窗口)) {
        DestroyUnit(主窗口);
        QTRY_VERIFY(!UnitExists(主窗口));
    }
}

// Starts the main window afresh from a zeroed record, as the program starts.
void Reopen()
{
    CloseDirectly();
    GameSettings = GameSettingsRecord{};
    GameSettings.PegCount = GameSettings.DiskCount = GameSettings.MainPeg = 0;
    QVERIFY(LoadWindow(主窗口));
}

Rect OuterRect()
{
    return {Get(主窗口, prop::Left), Get(主窗口, prop::Top), Get(主窗口, prop::Width), Get(主窗口, prop::Height)};
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The lines the table asks for, in its order: each section once, then the
// keys under it. The window is stored with its state and its rectangle.
QStringList TableLines()
{
    QStringList lines;
    std::string_view section;
    for (const Setting& setting : SettingsTable) {
        if (setting.section != section) {
            section = setting.section;
            lines << "[" + Text(section) + "]";
        }
        switch (setting.kind) {
        case SettingKind::Style:
            for (const StylePart& part : StyleParts)
                lines << Text(setting.key) + Text(part.suffix);
            break;
        case SettingKind::WindowPlacement:
            lines << "位置"
                  << "左边"
                  << "顶边"
                  << "宽度"
                  << "高度";
            break;
        default: lines << Text(setting.key);
        }
    }
    return lines;
}

// The file's section lines and keys, in the file's order.
QStringList StoredLines()
{
    QStringList lines;
    for (const QString& line : QString::fromStdString(StoredBytes()).split("\r\n", Qt::SkipEmptyParts))
        lines << (line.startsWith('[') ? line : line.section('=', 0, 0));
    return lines;
}

// A file that holds every key of the table with a value no save writes.
QString EveryKeyWithAnotherValue()
{
    QString text;
    for (const QString& line : TableLines())
        text += line + (line.startsWith('[') ? "\r\n" : "=x\r\n");
    return text;
}

const ElementStyle TemplatePegs{16711935, 11823359, 16711935, 2, 0};
const ElementStyle TemplateMainPeg{255, 11823359, 255, 2, 0};
const ElementStyle TemplateDisks{16746496, 16711680, 16746496, 1, 0};
const ElementStyle TemplateBase{744191, 7321599, 744191, 3, 0};
}  // namespace

Q_DECLARE_METATYPE(ElementStyle)

class SavedSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenAnchorWindow()); }

    void init() { QFile::remove(QString::fromStdString(TestSettingsPath())); }

    void cleanup()
    {
        CloseDirectly();
        SettingsStore.Open(TestSettingsPath());
    }

    void theFirstRunStartsFromTheDefaults()
    {
        Reopen();
        QCOMPARE(GameSettings.PegCount, 3);
        QCOMPARE(GameSettings.MainPeg, 2);
        QCOMPARE(GameSettings.DiskCount, 5);
        QCOMPARE(GameSettings.PegStyle, TemplatePegs);
        QCOMPARE(GameSettings.MainPegStyle, TemplateMainPeg);
        QCOMPARE(GameSettings.DiskStyle, TemplateDisks);
        QCOMPARE(GameSettings.BaseStyle, TemplateBase);
        QCOMPARE(Get(菜单静音, prop::MenuChecked), false);
        QCOMPARE(Get(菜单正确放下方计一步, prop::MenuChecked), true);
        QCOMPARE(Get(菜单逆向模式, prop::MenuChecked), false);
        QVERIFY(IsOccupied(Pegs[2].Slots[5]));
        QVERIFY(!QFile::exists(QString::fromStdString(TestSettingsPath())));
    }

    void countsAreHeldToTheirBounds_data()
    {
        QTest::addColumn<QString>("general");
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("mainPeg");
        QTest::addColumn<int>("disks");
        QTest::newRow("main peg 0 of 6") << "柱数=6\r\n主柱=0" << 6 << 3 << 5;
        QTest::newRow("main peg 7 of 6") << "柱数=6\r\n主柱=7" << 6 << 3 << 5;
        QTest::newRow("main peg on the last peg") << "柱数=6\r\n主柱=6" << 6 << 6 << 5;
        QTest::newRow("main peg 5 of 9, rounded half up") << "柱数=9\r\n主柱=10" << 9 << 5 << 5;
        QTest::newRow("fractions are cut") << "柱数=4.9\r\n主柱=3.99\r\n横数=7.5" << 4 << 3 << 7;
        QTest::newRow("too few") << "柱数=1\r\n横数=-4" << 3 << 2 << 3;
        QTest::newRow("not numbers") << "柱数=many\r\n主柱=x\r\n横数=" << 3 << 2 << 3;
        QTest::newRow("leading number read") << "柱数= 5 pegs\r\n横数=12abc" << 5 << 2 << 12;
        QTest::newRow("beyond int32") << "柱数=99999999999\r\n横数=1e300" << 111 << 2 << 999;
        QTest::newRow("above the board's limits") << "柱数=112\r\n主柱=112\r\n横数=1000" << 111 << 56 << 999;
    }

    void countsAreHeldToTheirBounds()
    {
        QFETCH(QString, general);
        QFETCH(int, pegs);
        QFETCH(int, mainPeg);
        QFETCH(int, disks);
        WriteSettings("[综合]\r\n" + general.toStdString() + "\r\n");
        Reopen();
        QCOMPARE(GameSettings.PegCount, pegs);
        QCOMPARE(GameSettings.MainPeg, mainPeg);
        QCOMPARE(GameSettings.DiskCount, disks);
        QCOMPARE(Pegs.Size(), pegs);
        QVERIFY(IsOccupied(Pegs[mainPeg].Slots[disks]));
    }

    void storedLooksOverrideTheTemplate_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<ElementStyle>("pegs");
        QTest::addColumn<ElementStyle>("disks");
        ElementStyle pegs = TemplatePegs;
        QTest::newRow("a colour of 0 keeps the template's") << "柱.颜色1=0" << pegs << TemplateDisks;
        pegs.GradientMode = 0;
        QTest::newRow("a gradient of 0 switches it off") << "柱.渐变=0" << pegs << TemplateDisks;
        ElementStyle disks = TemplateDisks;
        disks.Colour2 = 123456;
        disks.BorderStyle = 4;
        QTest::newRow("disk colour and border") << "横.颜色2=123456\r\n横.边框=4" << TemplatePegs << disks;
        disks = TemplateDisks;
        disks.Colour3 = NoColour;
        QTest::newRow("no colour") << "横.颜色3=-16777216" << TemplatePegs << disks;
    }

    void storedLooksOverrideTheTemplate()
    {
        QFETCH(QString, entry);
        QFETCH(ElementStyle, pegs);
        QFETCH(ElementStyle, disks);
        WriteSettings("[渐变颜色]\r\n" + entry.toStdString() + "\r\n");
        Reopen();
        QCOMPARE(GameSettings.PegStyle, pegs);
        QCOMPARE(GameSettings.DiskStyle, disks);
        QCOMPARE(GameSettings.MainPegStyle, TemplateMainPeg);
        QCOMPARE(StyleFromLabel(PegLabel(1)), pegs);
        QCOMPARE(StyleFromLabel(DiskLabel(1)), disks);
    }

    // A stored border or gradient the lists have no entry for is kept as it
    // is and saved back; the labels paint it as the nearest they know.
    void stylesBeyondTheListsAreKept_data()
    {
        QTest::addColumn<int>("gradient");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("paintedGradient");
        QTest::addColumn<int>("paintedBorder");
        QTest::newRow("own frame, last gradient") << 9 << 6 << 8 << 6;
        QTest::newRow("far beyond") << 99 << 70 << 8 << 6;
        QTest::newRow("below the lists") << -1 << -3 << 0 << 0;
    }

    void stylesBeyondTheListsAreKept()
    {
        QFETCH(int, gradient);
        QFETCH(int, border);
        QFETCH(int, paintedGradient);
        QFETCH(int, paintedBorder);
        WriteSettings("[渐变颜色]\r\n横.渐变=" + std::to_string(gradient) + "\r\n横.边框=" + std::to_string(border) +
                      "\r\n");
        Reopen();
        QCOMPARE(GameSettings.DiskStyle.GradientMode, gradient);
        QCOMPARE(GameSettings.DiskStyle.BorderStyle, border);
        QCOMPARE(Get(DiskLabel(1), prop::GradientMode), paintedGradient);
        QCOMPARE(Get(DiskLabel(1), prop::LabelBorder), paintedBorder);
        CloseByPlayer();
        QCOMPARE(Stored("渐变颜色", "横.渐变"), std::to_string(gradient));
        QCOMPARE(Stored("渐变颜色", "横.边框"), std::to_string(border));
    }

    // A file that holds more than the game's keys keeps it all: the game's
    // keys are set where they stand, missing ones join their section, and
    // missing sections follow at the end without a blank line.
    void savingKeepsWhatElseTheFileHolds()
    {
        WriteSettings("; kept\r\n[other]\r\nx=1\r\n\r\n[综合]\r\n; counts\r\n横数=9\r\n\r\n[tail]\r\ny=2");
        Reopen();
        QCOMPARE(GameSettings.DiskCount, 9);
        const Rect normal = OuterRect();
        SetWindowPositionState(主窗口, start_position::Maximised);
        QTRY_VERIFY(WidgetOf(主窗口)->isMaximized());
        CloseByPlayer();
        const std::string window =
            "[主窗口]\r\n位置=3\r\n左边=" + std::to_string(normal.left) + "\r\n顶边=" + std::to_string(normal.top) +
            "\r\n宽度=" + std::to_string(normal.width) + "\r\n高度=" + std::to_string(normal.height) + "\r\n";
        const std::string styles =
            "[渐变颜色]\r\n"
            "柱.颜色1=16711935\r\n柱.颜色2=11823359\r\n柱.颜色3=16711935\r\n柱.渐变=2\r\n柱.边框=0\r\n"
            "主柱.颜色1=255\r\n主柱.颜色2=11823359\r\n主柱.颜色3=255\r\n主柱.渐变=2\r\n主柱.边框=0\r\n"
            "横.颜色1=16746496\r\n横.颜色2=16711680\r\n横.颜色3=16746496\r\n横.渐变=1\r\n横.边框=0\r\n"
            "基.颜色1=744191\r\n基.颜色2=7321599\r\n基.颜色3=744191\r\n基.渐变=3\r\n基.边框=0\r\n";
        QCOMPARE(StoredBytes(),
                 "; kept\r\n[other]\r\nx=1\r\n\r\n[综合]\r\n; counts\r\n横数=9\r\n柱数=3\r\n主柱=2\r\n"
                 "静音       (J)=假\r\n正确放下方计一步=真\r\n底图次序=0\r\n逆向模式=假\r\n\r\n"
                 "[tail]\r\ny=2\r\n" +
                     styles + window);
    }

    void onlyTrueMarksAnOption_data()
    {
        QTest::addColumn<QString>("general");
        QTest::addColumn<bool>("mute");
        QTest::addColumn<bool>("countOnlyCorrect");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("defaults") << "" << false << true << false;
        QTest::newRow("1 is not true") << "静音       (J)=1" << false << true << false;
        QTest::newRow("true") << "静音       (J)=真\r\n逆向模式=真" << true << true << true;
        QTest::newRow("false") << "正确放下方计一步=假" << false << false << false;
        QTest::newRow("anything else is false") << "正确放下方计一步=yes" << false << false << false;
        QTest::newRow("the caption without its blanks is another key") << "静音 (J)=真" << false << true << false;
    }

    void onlyTrueMarksAnOption()
    {
        QFETCH(QString, general);
        QFETCH(bool, mute);
        QFETCH(bool, countOnlyCorrect);
        QFETCH(bool, reverse);
        WriteSettings("[综合]\r\n" + general.toStdString() + "\r\n");
        Reopen();
        QCOMPARE(Get(菜单静音, prop::MenuChecked), mute);
        QCOMPARE(Get(菜单正确放下方计一步, prop::MenuChecked), countOnlyCorrect);
        QCOMPARE(Get(菜单逆向模式, prop::MenuChecked), reverse);
        QCOMPARE(ReverseMode, reverse);
    }

    // The keys and their order are what other copies of the game read.
    void closingWritesEverythingInOrder()
    {
        Reopen();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        GameSettings.PegCount = 4;
        GameSettings.DiskCount = 6;
        GameSettings.MainPeg = 1;
        NewGame(new_game::Redraw);
        GameSettings.BaseStyle.Colour2 = NoColour;
        GameSettings.BackgroundIndex = 7;
        Set(菜单静音, prop::MenuChecked, true);
        MoveUnit(主窗口, 40, 50, 500, 400);
        const auto number = [](auto property) { return std::to_string(Get(主窗口, property)); };
        const std::string window = "位置=0\r\n左边=" + number(prop::Left) + "\r\n顶边=" + number(prop::Top) +
                                   "\r\n宽度=" + number(prop::Width) + "\r\n高度=" + number(prop::Height) + "\r\n";
        CloseByPlayer();
        QCOMPARE(StoredBytes(),
                 "[渐变颜色]\r\n"
                 "柱.颜色1=16711935\r\n柱.颜色2=11823359\r\n柱.颜色3=16711935\r\n柱.渐变=2\r\n柱.边框=0\r\n"
                 "主柱.颜色1=255\r\n主柱.颜色2=11823359\r\n主柱.颜色3=255\r\n主柱.渐变=2\r\n主柱.边框=0\r\n"
                 "横.颜色1=16746496\r\n横.颜色2=16711680\r\n横.颜色3=16746496\r\n横.渐变=1\r\n横.边框=0\r\n"
                 "基.颜色1=744191\r\n基.颜色2=-16777216\r\n基.颜色3=744191\r\n基.渐变=3\r\n基.边框=0\r\n"
                 "[综合]\r\n"
                 "柱数=4\r\n主柱=1\r\n横数=6\r\n静音       (J)=真\r\n正确放下方计一步=真\r\n底图次序=7\r\n"
                 "逆向模式=假\r\n"
                 "[主窗口]\r\n" +
                     window);
        Reopen();
        QCOMPARE(GameSettings.PegCount, 4);
        QCOMPARE(GameSettings.DiskCount, 6);
        QCOMPARE(GameSettings.MainPeg, 1);
        QCOMPARE(GameSettings.BaseStyle.Colour2, NoColour);
        QCOMPARE(GameSettings.BackgroundIndex, 7);
        QCOMPARE(Get(菜单静音, prop::MenuChecked), true);
        QCOMPARE(Get(主窗口, prop::Left), 40);
        QCOMPARE(Get(主窗口, prop::Top), 50);
        QCOMPARE(Get(主窗口, prop::Width), 500);
        QCOMPARE(Get(主窗口, prop::Height), 400);
    }

    void anEmptyFileIsWrittenInTheOrderOfTheTable()
    {
        Reopen();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        const QStringList expected = TableLines();
        CloseByPlayer();
        QCOMPARE(StoredLines(), expected);
    }

    // Distinct values everywhere, so that a value read into another field than
    // the one it was written from shows.
    void everySettingComesBackIntoItsOwnField()
    {
        Reopen();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        std::int32_t value = 1000;
        for (ElementStyle* style :
             {&GameSettings.PegStyle, &GameSettings.MainPegStyle, &GameSettings.DiskStyle, &GameSettings.BaseStyle})
            *style = {value++, value++, value++, value++, value++};
        GameSettings.PegCount = 7;
        GameSettings.MainPeg = 6;
        GameSettings.DiskCount = 9;
        GameSettings.BackgroundIndex = 4;
        for (const MenuUnit& entry : {菜单静音, 菜单正确放下方计一步, 菜单逆向模式})
            Set(entry, prop::MenuChecked, !Get(entry, prop::MenuChecked));
        const GameSettingsRecord written = GameSettings;
        const bool checks[] = {Get(菜单静音, prop::MenuChecked), Get(菜单正确放下方计一步, prop::MenuChecked),
                               Get(菜单逆向模式, prop::MenuChecked)};
        QVERIFY(!ReverseMode);
        CloseByPlayer();
        Reopen();
        QCOMPARE(GameSettings.PegStyle, written.PegStyle);
        QCOMPARE(GameSettings.MainPegStyle, written.MainPegStyle);
        QCOMPARE(GameSettings.DiskStyle, written.DiskStyle);
        QCOMPARE(GameSettings.BaseStyle, written.BaseStyle);
        QCOMPARE(GameSettings.PegCount, written.PegCount);
        QCOMPARE(GameSettings.MainPeg, written.MainPeg);
        QCOMPARE(GameSettings.DiskCount, written.DiskCount);
        QCOMPARE(GameSettings.BackgroundIndex, written.BackgroundIndex);
        QCOMPARE(Get(菜单静音, prop::MenuChecked), checks[0]);
        QCOMPARE(Get(菜单正确放下方计一步, prop::MenuChecked), checks[1]);
        QCOMPARE(Get(菜单逆向模式, prop::MenuChecked), checks[2]);
        QVERIFY(ReverseMode);
    }

    // Maximised, the window keeps the place it returns to: it is stored
    // with the state, and restoring the window next time goes back there.
    void aMaximisedWindowKeepsItsNormalPlace()
    {
        Reopen();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        MoveUnit(主窗口, 40, 50, 500, 400);
        const Rect normal{40, 50, 500, 400};
        QCOMPARE(OuterRect(), normal);
        SetWindowPositionState(主窗口, start_position::Maximised);
        QTRY_VERIFY(WidgetOf(主窗口)->isMaximized());
        QTRY_VERIFY(Get(主窗口, prop::Width) != 500);
        CloseByPlayer();
        QCOMPARE(Stored("主窗口", "位置"), "3");
        QCOMPARE(Stored("主窗口", "左边"), "40");
        QCOMPARE(Stored("主窗口", "顶边"), "50");
        QCOMPARE(Stored("主窗口", "宽度"), "500");
        QCOMPARE(Stored("主窗口", "高度"), "400");
        Reopen();
        QCOMPARE(WindowPositionState(主窗口), start_position::Maximised);
        QTRY_VERIFY(WidgetOf(主窗口)->isMaximized());
        SetWindowPositionState(主窗口, start_position::AsTemplate);
        QTRY_VERIFY(!WidgetOf(主窗口)->isMaximized());
        QTRY_COMPARE(OuterRect(), normal);
    }

    // A file written before (or by the Windows game) holds only the state.
    void aMaximisedStateWithoutAPlaceStillStartsMaximised()
    {
        WriteSettings("[主窗口]\r\n位置=3\r\n");
        Reopen();
        QCOMPARE(WindowPositionState(主窗口), start_position::Maximised);
        QTRY_VERIFY(WidgetOf(主窗口)->isMaximized());
    }

    void aLostWindowComesBackOnScreen()
    {
        WriteSettings("[主窗口]\r\n位置=0\r\n左边=-30000\r\n顶边=90000\r\n宽度=20\r\n高度=10\r\n");
        Reopen();
        const Rect placed = PlacementOnScreen({-30000, 90000, 20, 10}, ScreenAreas(), StartScreenArea());
        QCOMPARE(Get(主窗口, prop::Width), MinPlacementWidth);
        QCOMPARE(Get(主窗口, prop::Height), MinPlacementHeight);
        QCOMPARE(Get(主窗口, prop::Left), placed.left);
        QCOMPARE(Get(主窗口, prop::Top), placed.top);
        QVERIFY(placed.left >= 0 && placed.top >= 0);
    }

    void oneSaveLeavesWhatItsWritesLeave_data()
    {
        QTest::addColumn<QString>("start");  // null: no file
        QTest::addColumn<bool>("fromOrigin");
        const QString handEdited =
            "; mine\r\n\r\n[其他]\r\n X = 1 \r\n\r\n [ 综合 ] ; counts\r\n  柱数 = 4 \r\n"
            ";横数=0\r\n静音       (j)=真\r\n\r\n[tail]\r\ny=2";
        QTest::newRow("first run") << QString() << false;
        QTest::newRow("hand-edited") << handEdited << false;
        QTest::newRow("every value changed") << EveryKeyWithAnotherValue() << false;
        QTest::newRow("the file beside a game that cannot write its folder") << handEdited << true;
    }

    // A save is one replace of the file, which holds what its writes one by
    // one leave.
    void oneSaveLeavesWhatItsWritesLeave()
    {
        QFETCH(QString, start);
        QFETCH(bool, fromOrigin);
        Reopen();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        QTemporaryDir folder;
        const std::string origin = folder.filePath("origin.ini").toStdString();
        if (fromOrigin)
            SettingsStore.SetOrigin(origin);
        const QString own = QString::fromStdString(TestSettingsPath());
        const auto startOver = [&] {
            QFile::remove(own);
            if (!start.isNull())
                WriteSettings(start.toStdString(), fromOrigin ? origin : TestSettingsPath());
        };
        startOver();
        WriteEverySetting();
        const std::string apart = StoredBytes();
        QVERIFY(QFile::exists(own));
        startOver();
        SaveSettings();
        QCOMPARE(StoredBytes(), apart);
        if (fromOrigin)
            QCOMPARE(ReadProfileText(origin, "综合", "柱数"), "4");
    }

    // A read between the writes of a batch finds them.
    void aReadInABatchFindsItsWrites()
    {
        SettingsStore.SetSection("综合");
        SettingsStore.BeginBatch();
        SettingsStore.WriteNumber("横数", 8);
        const double read = SettingsStore.ReadNumber("横数", 5);
        SettingsStore.WriteNumber("柱数", 4);
        SettingsStore.CommitBatch();
        QCOMPARE(read, 8.0);
        QCOMPARE(Stored("综合", "柱数"), "4");
    }

    void exitingSavesNothing()
    {
        Reopen();
        ExitProgram();
        QTRY_VERIFY(!UnitExists(主窗口));
        QVERIFY(!QFile::exists(QString::fromStdString(TestSettingsPath())));
    }

    void aBrokenFileNeverStopsTheGame_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(6000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 256);
        QTest::newRow("binary noise") << noise;
        QTest::newRow("no line ends") << QByteArray(20000, '[');
        QTest::newRow("a section without keys") << QByteArray("[综合]");
        QTest::newRow("overlong value") << ("[综合]\r\n柱数=" + QByteArray(20000, '9') + "\r\n");
    }

    void aBrokenFileNeverStopsTheGame()
    {
        QFETCH(QByteArray, content);
        QFile file(QString::fromStdString(TestSettingsPath()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        Reopen();
        QVERIFY(GameSettings.PegCount >= MinPegCount && GameSettings.PegCount <= MaxPegCount);
        QVERIFY(GameSettings.MainPeg >= 1 && GameSettings.MainPeg <= GameSettings.PegCount);
        QVERIFY(GameSettings.DiskCount >= MinDiskCount && GameSettings.DiskCount <= MaxDiskCount);
        QCOMPARE(Pegs.Size(), GameSettings.PegCount);
        CloseByPlayer();
        QCOMPARE(Stored("综合", "柱数"), std::to_string(GameSettings.PegCount));
    }

    // Writing into a folder that cannot take the file fails quietly.
    void anUnwritableFolderLosesOnlyTheSaving()
    {
        QTemporaryDir folder;
        const QString blocker = folder.filePath("not-a-folder");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SettingsStore.Open(blocker.toStdString() + "/settings.ini");
        Reopen();
        GameSettings.DiskCount = 8;
        NewGame(new_game::Redraw);
        CloseByPlayer();
        QVERIFY(QFileInfo(blocker).isFile());
        Reopen();
        QCOMPARE(GameSettings.DiskCount, 5);
    }

    // A file the game may only read (beside it on a read-only medium) is read
    // until the game's own file exists; the first save starts that from a copy
    // of it, and forgetting the settings leaves an empty file that hides it.
    void anOriginIsReadUntilTheOwnFileExists()
    {
        QTemporaryDir folder;
        const std::string origin = folder.filePath("origin.ini").toStdString();
        QVERIFY(WriteProfileText(origin, "综合", "横数", "7"));
        QVERIFY(WriteProfileText(origin, "other", "x", "1"));
        SettingsStore.SetOrigin(origin);
        Reopen();
        QCOMPARE(GameSettings.DiskCount, 7);
        GameSettings.PegCount = 4;
        CloseByPlayer();
        QCOMPARE(Stored("综合", "柱数"), "4");
        QCOMPARE(Stored("other", "x"), "1");
        QCOMPARE(ReadProfileText(origin, "综合", "柱数", "(none)"), "(none)");

        WriteSettings("[综合]\r\n横数=9\r\n");
        Reopen();
        QCOMPARE(GameSettings.DiskCount, 9);
        SettingsStore.Forget();
        Reopen();
        QCOMPARE(GameSettings.DiskCount, 5);
    }
};

WINDOW_TEST_MAIN(SavedSettingsTest)
#include "saved_settings_test.moc"
