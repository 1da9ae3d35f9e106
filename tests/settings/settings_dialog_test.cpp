// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>

#include "answer_message.h"
#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/settings_table.h"
#include "media/sound_effects.h"
#include "platform/files/profile.h"
#include "render/scene_builder.h"
#include "render/style.h"
#include "settings/settings_dialog.h"
#include "ui/help_texts.h"
#include "ui/main_window_fixture.h"
#include "ui/settings_dialog_template.h"

namespace {
int NewGamesSoFar()
{
    const std::vector<Effect> effects = RecordedEffects().Effects();
    return int(std::count(effects.begin(), effects.end(), Effect::NewGame));
}

QLineEdit* LineOf(const UnitRef& box)
{
    return WidgetOf(box)->findChild<QLineEdit*>();
}

QString Shown(const UnitRef& box)
{
    return LineOf(box)->text();
}

// The player replaces the box's text in one go, as a paste does.
void Paste(const UnitRef& box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QLineEdit* line = LineOf(box);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
}

// Typing key by key: nothing is taken until the number is finished.
void TypeOver(const UnitRef& box, const QString& keys)
{
    QLineEdit* line = LineOf(box);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    if (keys.isEmpty())
        QTest::keyClick(line, Qt::Key_Backspace);
    else
        QTest::keyClicks(line, keys);
}

// How the player shows that a typed number is finished.
enum class Finish {
    Enter,
    FocusLeaves,
    Pause
};

void FinishTyping(const UnitRef& box, Finish how)
{
    switch (how) {
    case Finish::Enter: QTest::keyClick(LineOf(box), Qt::Key_Return); break;
    case Finish::FocusLeaves: QTest::keyClick(LineOf(box), Qt::Key_Tab); break;
    case Finish::Pause: QTest::qWait(1500); break;
    }
}

void TypeAndFinish(const UnitRef& box, const QString& keys)
{
    TypeOver(box, keys);
    FinishTyping(box, Finish::Enter);
}

// The spinner's arrows sit just right of their box.
void Spin(const UnitRef& box, Qt::ArrowType arrow, int clicks)
{
    const QRect boxRect = WidgetOf(box)->geometry();
    for (QToolButton* button : WidgetOf(设置窗口)->findChildren<QToolButton*>()) {
        const QWidget* spinner = button->parentWidget();
        if (button->arrowType() != arrow || spinner->x() != boxRect.right() + 1 || spinner->y() != boxRect.y())
            continue;
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    QFAIL("no spinner beside the box");
}

// The player picks an entry of a drop-down list from the keyboard.
void Choose(const UnitRef& combo, int index)
{
    auto* box = qobject_cast<QComboBox*>(WidgetOf(combo));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

// Opens a colour picker's palette and picks a swatch, or an action by name.
void PickColour(const UnitRef& picker, const QString& choice)
{
    QTimer::singleShot(0, [choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        if (auto* swatch = menu->findChild<QToolButton*>(choice)) {
            QTest::mouseClick(swatch, Qt::LeftButton);
        } else {
            QAction* action = menu->findChild<QAction*>(choice);
            QVERIFY(action);
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QTest::mouseClick(WidgetOf(picker), Qt::LeftButton);
}

std::vector<ElementStyle> DiskStyles()
{
    std::vector<ElementStyle> styles;
    for (std::int32_t k = 1; k <= GameSettings.DiskCount; ++k)
        styles.push_back(StyleFromLabel(DiskLabel(k)));
    return styles;
}

// The widget that holds the keyboard for a control of the dialog: an edit box's line.
QWidget* FocusTargetOf(const UnitRef& control)
{
    return control.kind == UnitKind::EditBox ? LineOf(control) : WidgetOf(control);
}

// The dialog's controls in the order they lie: the numbers' row left to right
// with 必看 at its end, the target list below it, then the look's row.
const std::vector<UnitRef>& ControlsInVisualOrder()
{
    static const std::vector<UnitRef> order = {编辑框盘数, 编辑框柱数,  编辑框主柱,  按钮1,       组合框修改对象,
                                               组合框边框, 颜色选择器1, 颜色选择器2, 颜色选择器3, 组合框渐变};
    return order;
}

QString NameOfFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return "nothing";
    for (const UnitTemplate& unit : SettingsDialogTemplate().units) {
        const UnitRef ref{SettingsDialogId, unit.id, unit.kind};
        if (FocusTargetOf(ref) == focus)
            return QString::fromStdString(unit.name);
    }
    return QString("a %1 named '%2'").arg(focus->metaObject()->className(), focus->objectName());
}

QString NameOf(const UnitRef& control)
{
    for (const UnitTemplate& unit : SettingsDialogTemplate().units) {
        if (unit.id == control.unit)
            return QString::fromStdString(unit.name);
    }
    return "?";
}

// A key as the window system delivers it: to the window, which hands it to its focus.
void PressInDialog(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(NativeWindowOf(设置窗口), key, modifiers);
}

// The palette's swatch that has the keyboard, as its number, or -1.
int FocusedSwatch()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->objectName().startsWith("swatch"))
        return -1;
    return focus->objectName().mid(6).toInt();
}
}  // namespace

Q_DECLARE_METATYPE(Finish)

class SettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenMainWindowShown()); }

    void init()
    {
        StartGame(5, 5, 4);
        OpenSettingsDialog();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(设置窗口)));
    }

    void cleanup()
    {
        if (UnitExists(设置窗口)) {
            DestroyUnit(设置窗口);
            QTRY_VERIFY(!UnitExists(设置窗口));
        }
    }

    void opensWithTheCurrentSettingsAndChangesNone()
    {
        QCOMPARE(Shown(编辑框盘数), "5");
        QCOMPARE(Shown(编辑框柱数), "5");
        QCOMPARE(Shown(编辑框主柱), "4");
        QCOMPARE(GameSettings.MainPeg, 4);
        QCOMPARE(WidgetOf(设置窗口)->windowTitle(), "设置游戏参数");
        QCOMPARE(Get(组合框修改对象, prop::Selected), 0);
        QCOMPARE(Get(组合框渐变, prop::Selected), GameSettings.PegStyle.GradientMode);
        QCOMPARE(Get(颜色选择器1, prop::PickedColour), GameSettings.PegStyle.Colour1);
    }

    void opensOnceFromTheKeyAndTheMenu()
    {
        const int before = NewGamesSoFar();
        QWidget* dialog = WidgetOf(设置窗口);
        QTest::keyClick(NativeWindowOf(主窗口), Qt::Key_Return, Qt::ControlModifier);
        SendUnitMessage(菜单参数设定, 0, 0, 0);
        QCOMPARE(WidgetOf(设置窗口), dialog);
        QCOMPARE(NewGamesSoFar(), before);
    }

    void aTypedNumberCountsOnceFinished_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Finish>("finish");
        QTest::addColumn<int>("disks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("100, then a pause") << "100" << Finish::Pause << 100 << "100";
        QTest::newRow("12, then Enter") << "12" << Finish::Enter << 12 << "12";
        QTest::newRow("12, then the focus leaves") << "12" << Finish::FocusLeaves << 12 << "12";
        QTest::newRow("2, corrected") << "2" << Finish::FocusLeaves << 3 << "3";
        QTest::newRow("cleared, corrected") << "" << Finish::Enter << 3 << "3";
    }

    void aTypedNumberCountsOnceFinished()
    {
        QFETCH(QString, typed);
        QFETCH(Finish, finish);
        QFETCH(int, disks);
        QFETCH(QString, shown);
        const int before = NewGamesSoFar();
        TypeOver(编辑框盘数, typed);
        QCOMPARE(GameSettings.DiskCount, 5);
        QCOMPARE(NewGamesSoFar(), before);
        FinishTyping(编辑框盘数, finish);
        QCOMPARE(Shown(编辑框盘数), shown);
        QCOMPARE(GameSettings.DiskCount, disks);
        QCOMPARE(NewGamesSoFar(), before + 1);
        QVERIFY(IsOccupied(Pegs[4].Slots[disks]));
    }

    void aPastedTextIsReadAsANumberAtOnce_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("disks");
        QTest::newRow("leading blanks") << "  15" << 15;
        QTest::newRow("a fraction") << "7.5" << 7;
        QTest::newRow("words after it") << "20 disks" << 20;
    }

    void aPastedTextIsReadAsANumberAtOnce()
    {
        QFETCH(QString, pasted);
        QFETCH(int, disks);
        const int before = NewGamesSoFar();
        Paste(编辑框盘数, pasted);
        QCOMPARE(GameSettings.DiskCount, disks);
        QCOMPARE(NewGamesSoFar(), before + 1);
        Spin(编辑框盘数, Qt::UpArrow, 1);
        QCOMPARE(Shown(编辑框盘数), QString::number(disks + 1));
        QCOMPARE(NewGamesSoFar(), before + 2);
    }

    void closingTakesANumberStillBeingTyped()
    {
        TypeOver(编辑框盘数, "9");
        QTest::keyClick(LineOf(编辑框盘数), Qt::Key_Escape);
        QTRY_VERIFY(!UnitExists(设置窗口));
        QCOMPARE(GameSettings.DiskCount, 9);
        QCOMPARE(ReadProfileText(TestSettingsPath(), "综合", "横数"), "9");
    }

    void typedCountsGoBeyondTheSpinner_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("disks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("100") << "100" << 100 << "100";
        QTest::newRow("above the board's limit") << "5000" << MaxDiskCount << "999";
        QTest::newRow("beyond int32") << "99999999999" << MaxDiskCount << "999";
    }

    void typedCountsGoBeyondTheSpinner()
    {
        QFETCH(QString, typed);
        QFETCH(int, disks);
        QFETCH(QString, shown);
        const int before = NewGamesSoFar();
        Paste(编辑框盘数, typed);
        QCOMPARE(Shown(编辑框盘数), shown);
        QCOMPARE(GameSettings.DiskCount, disks);
        QCOMPARE(NewGamesSoFar(), before + 1);
        QVERIFY(IsOccupied(Pegs[4].Slots[disks]));
    }

    void theSpinnerStopsAtItsRange()
    {
        Paste(编辑框盘数, "62");
        Spin(编辑框盘数, Qt::UpArrow, 4);
        QCOMPARE(Shown(编辑框盘数), "64");
        QCOMPARE(GameSettings.DiskCount, 64);
        Paste(编辑框盘数, "4");
        Spin(编辑框盘数, Qt::DownArrow, 3);
        QCOMPARE(Shown(编辑框盘数), "3");
    }

    // The disk and peg spinners run over their settings' ranges; the main
    // peg's from its lowest to the peg count.
    void eachSpinnerRunsOverItsSettingsRange_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("top");
        const Setting& disks = SettingOf(&GameSettingsRecord::DiskCount);
        const Setting& pegs = SettingOf(&GameSettingsRecord::PegCount);
        QTest::newRow("disks") << 0 << disks.lowest << disks.spinnerTop;
        QTest::newRow("pegs") << 1 << pegs.lowest << pegs.spinnerTop;
        // Each test starts with 5 pegs.
        QTest::newRow("main peg") << 2 << SettingOf(&GameSettingsRecord::MainPeg).lowest << 5;
    }

    void eachSpinnerRunsOverItsSettingsRange()
    {
        QFETCH(int, box);
        QFETCH(int, lowest);
        QFETCH(int, top);
        const UnitRef boxes[] = {编辑框盘数, 编辑框柱数, 编辑框主柱};
        const UnitRef& target = boxes[box];
        Paste(target, QString::number(top - 1));
        Spin(target, Qt::UpArrow, 3);
        QCOMPARE(Shown(target), QString::number(top));
        Paste(target, QString::number(lowest + 1));
        Spin(target, Qt::DownArrow, 3);
        QCOMPARE(Shown(target), QString::number(lowest));
    }

    void lettersCannotBeTyped()
    {
        TypeAndFinish(编辑框盘数, "7x");
        QCOMPARE(Shown(编辑框盘数), "7");
        QCOMPARE(GameSettings.DiskCount, 7);
    }

    void fewerPegsMoveTheMainPegToTheMiddle()
    {
        const int before = NewGamesSoFar();
        TypeAndFinish(编辑框柱数, "3");
        QCOMPARE(Shown(编辑框主柱), "2");
        QCOMPARE(GameSettings.PegCount, 3);
        QCOMPARE(GameSettings.MainPeg, 2);
        QCOMPARE(NewGamesSoFar(), before + 1);
        QVERIFY(IsOccupied(Pegs[2].Slots[5]));
        Spin(编辑框主柱, Qt::UpArrow, 3);
        QCOMPARE(Shown(编辑框主柱), "3");
        QCOMPARE(GameSettings.MainPeg, 3);
    }

    void aMainPegOffTheBoardBecomesTheMiddle_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("0") << "0";
        QTest::newRow("beyond the last peg") << "6";
    }

    void aMainPegOffTheBoardBecomesTheMiddle()
    {
        QFETCH(QString, typed);
        const int before = NewGamesSoFar();
        Paste(编辑框主柱, typed);
        QCOMPARE(Shown(编辑框主柱), "3");
        QCOMPARE(GameSettings.MainPeg, 3);
        QCOMPARE(NewGamesSoFar(), before + 1);
    }

    void aNewGradientRecoloursEveryDiskAndTheGameGoesOn()
    {
        QTest::mouseClick(WidgetOf(DiskLabel(1)), Qt::LeftButton);
        QCOMPARE(Get(时钟耗费时间, prop::Interval), 1000);
        const int steps = Course.StepCount;
        const int before = NewGamesSoFar();
        const UnitRef top = DiskLabel(1);
        Choose(组合框修改对象, 2);
        QCOMPARE(Get(组合框渐变, prop::Selected), GameSettings.DiskStyle.GradientMode);
        Choose(组合框渐变, 6);
        QCOMPARE(GameSettings.DiskStyle.GradientMode, 6);
        for (const ElementStyle& style : DiskStyles())
            QCOMPARE(style, GameSettings.DiskStyle);
        QCOMPARE(NewGamesSoFar(), before);
        QCOMPARE(Course.StepCount, steps);
        QCOMPARE(Get(时钟耗费时间, prop::Interval), 1000);
        QCOMPARE(DiskLabel(1), top);
        QCOMPARE(GameSettings.PegStyle.GradientMode, 2);
    }

    void eachTargetTakesItsOwnLabels()
    {
        const ElementStyle mainPeg = StyleFromLabel(PegLabel(4));
        Choose(组合框边框, 5);
        QCOMPARE(GameSettings.PegStyle.BorderStyle, 5);
        for (int peg : {1, 2, 3, 5})
            QCOMPARE(StyleFromLabel(PegLabel(peg)), GameSettings.PegStyle);
        QCOMPARE(StyleFromLabel(PegLabel(4)), mainPeg);

        Choose(组合框修改对象, 3);
        Choose(组合框边框, 2);
        QCOMPARE(StyleFromLabel(标签基).BorderStyle, 2);
        QCOMPARE(GameSettings.BaseStyle.BorderStyle, 2);
    }

    void switchingTheTargetOnlyShowsItsLook()
    {
        const ElementStyle pegs = GameSettings.PegStyle;
        const ElementStyle mainPeg = GameSettings.MainPegStyle;
        Choose(组合框修改对象, 1);
        QCOMPARE(Get(颜色选择器1, prop::PickedColour), mainPeg.Colour1);
        QCOMPARE(Get(颜色选择器2, prop::PickedColour), mainPeg.Colour2);
        QCOMPARE(Get(组合框渐变, prop::Selected), mainPeg.GradientMode);
        QCOMPARE(GameSettings.PegStyle, pegs);
        QCOMPARE(GameSettings.MainPegStyle, mainPeg);
        QCOMPARE(StyleFromLabel(PegLabel(4)), mainPeg);
        QCOMPARE(StyleFromLabel(PegLabel(1)), pegs);
    }

    void aPickedColourIsAppliedAtOnce()
    {
        Choose(组合框修改对象, 1);
        PickColour(颜色选择器2, "swatch29");
        QTRY_COMPARE(GameSettings.MainPegStyle.Colour2, Rgb(0, 0, 255));
        QCOMPARE(StyleFromLabel(PegLabel(4)).Colour2, Rgb(0, 0, 255));
        PickColour(颜色选择器3, "noColour");
        QTRY_COMPARE(GameSettings.MainPegStyle.Colour3, NoColour);
        QCOMPARE(StyleFromLabel(PegLabel(4)).Colour3, NoColour);
    }

    // A stored border or gradient beyond the lists shows no entry and is kept
    // through other changes until the player picks an entry.
    void aStyleBeyondTheListsStaysUntilPicked()
    {
        const ElementStyle original = GameSettings.DiskStyle;
        GameSettings.DiskStyle.BorderStyle = 6;
        GameSettings.DiskStyle.GradientMode = 9;
        Choose(组合框修改对象, 2);
        QCOMPARE(Get(组合框边框, prop::Selected), -1);
        QCOMPARE(Get(组合框渐变, prop::Selected), -1);
        PickColour(颜色选择器1, "swatch29");
        QTRY_COMPARE(GameSettings.DiskStyle.Colour1, Rgb(0, 0, 255));
        QCOMPARE(GameSettings.DiskStyle.BorderStyle, 6);
        QCOMPARE(GameSettings.DiskStyle.GradientMode, 9);
        Choose(组合框边框, 1);
        QCOMPARE(GameSettings.DiskStyle.BorderStyle, 1);
        QCOMPARE(GameSettings.DiskStyle.GradientMode, 9);
        GameSettings.DiskStyle = original;
    }

    void mustReadShowsTheShortcutHelp()
    {
        QString shown;
        Answer(QMessageBox::Ok, &shown);
        QTest::mouseClick(WidgetOf(按钮1), Qt::LeftButton);
        QCOMPARE(shown, "信息：|" + QString::fromStdString(ShortcutHelpText()).replace("\r\n", "\n"));
        QVERIFY(UnitExists(设置窗口));
    }

    void everyControlButTheLabelsIsATabStop()
    {
        for (const UnitTemplate& unit : SettingsDialogTemplate().units) {
            if (unit.kind == UnitKind::Label)
                continue;
            const UnitRef ref{SettingsDialogId, unit.id, unit.kind};
            QWidget* control = unit.kind == UnitKind::EditBox ? LineOf(ref) : WidgetOf(ref);
            QVERIFY2(control->focusPolicy() & Qt::TabFocus, unit.name.c_str());
        }
    }

    void tabRunsThroughTheControlsInTheOrderTheyLie()
    {
        QWidget* dialog = WidgetOf(设置窗口);
        dialog->activateWindow();
        QTRY_VERIFY(dialog->isActiveWindow());
        const std::vector<UnitRef>& order = ControlsInVisualOrder();
        // The dialog opens with the keyboard on its first control.
        QTRY_COMPARE(NameOfFocus(), NameOf(order.front()));
        // Round twice: the last control leads back to the first, with no stop between.
        for (std::size_t step = 1; step <= 2 * order.size(); ++step) {
            PressInDialog(Qt::Key_Tab);
            QVERIFY2(NameOfFocus() == NameOf(order[step % order.size()]), qPrintable(QString::number(step)));
        }
        for (std::size_t step = 1; step <= order.size(); ++step) {
            PressInDialog(Qt::Key_Backtab, Qt::ShiftModifier);
            QVERIFY2(NameOfFocus() == NameOf(order[(order.size() - step) % order.size()]),
                     qPrintable(QString::number(step) + " back: " + NameOfFocus()));
        }
    }

    // A control that has the keyboard looks different from the same control without it.
    void everyControlShowsWhenItHasTheKeyboard()
    {
        QWidget* dialog = WidgetOf(设置窗口);
        dialog->activateWindow();
        QTRY_VERIFY(dialog->isActiveWindow());
        const std::vector<UnitRef>& order = ControlsInVisualOrder();
        QTRY_COMPARE(NameOfFocus(), NameOf(order.front()));
        // The marks show once the player has moved the keyboard with it (the
        // dialog opens with the text cursor in its first box): once round.
        for (std::size_t step = 0; step < order.size(); ++step)
            PressInDialog(Qt::Key_Tab);
        QCOMPARE(NameOfFocus(), NameOf(order.front()));
        std::vector<QImage> focused(order.size());
        std::vector<QImage> unfocused(order.size());
        for (std::size_t step = 0; step <= order.size(); ++step) {
            const std::size_t current = step % order.size();
            const std::size_t previous = (step + order.size() - 1) % order.size();
            const QImage shot = dialog->grab().toImage();
            auto part = [&](std::size_t i) { return shot.copy(WidgetOf(order[i])->geometry()); };
            focused[current] = part(current);
            if (step > 0)
                unfocused[previous] = part(previous);
            PressInDialog(Qt::Key_Tab);
        }
        for (std::size_t i = 0; i < order.size(); ++i)
            QVERIFY2(focused[i] != unfocused[i], qPrintable(NameOf(order[i])));
    }

    // In a colour button's palette the arrow keys walk the swatches as they lie,
    // row by row, and Enter takes the one that has the keyboard.
    void theArrowKeysReachEverySwatch()
    {
        // A colour the palette lacks: the keyboard starts on the first swatch.
        Set(颜色选择器2, prop::PickedColour, NoColour);
        QWidget* picker = WidgetOf(颜色选择器2);
        picker->setFocus(Qt::TabFocusReason);
        std::vector<int> visited;
        QString failure;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                failure = "no palette";
                return;
            }
            auto press = [&](Qt::Key key) { QTest::keyClick(menu->windowHandle(), key); };
            // The palette opens with the keyboard on its first swatch.
            visited.push_back(FocusedSwatch());
            for (int i = 1; i < 40; ++i) {
                press(Qt::Key_Right);
                visited.push_back(FocusedSwatch());
            }
            // Up and Down move by a row, Left back by one.
            press(Qt::Key_Up);
            visited.push_back(FocusedSwatch());
            press(Qt::Key_Left);
            visited.push_back(FocusedSwatch());
            press(Qt::Key_Down);
            visited.push_back(FocusedSwatch());
            press(Qt::Key_Return);
        });
        QTest::keyClick(picker, Qt::Key_Space);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        std::vector<int> expected;
        for (int i = 0; i < 40; ++i)
            expected.push_back(i);
        expected.insert(expected.end(), {31, 30, 38});
        QCOMPARE(visited, expected);
        QTRY_COMPARE(Get(颜色选择器2, prop::PickedColour), Rgb(76, 0, 153));
        QCOMPARE(GameSettings.PegStyle.Colour2, Rgb(76, 0, 153));
    }

    // Down past the last row leads on to the entries below the swatches, and
    // Up from there back to the swatch the keyboard left.
    void theArrowKeysLeadOnToThePalettesEntries()
    {
        Set(颜色选择器3, prop::PickedColour, Rgb(255, 0, 0));
        std::vector<int> swatches;
        QString active;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            auto press = [&](Qt::Key key) { QTest::keyClick(menu->windowHandle(), key); };
            swatches.push_back(FocusedSwatch());
            press(Qt::Key_Down);
            swatches.push_back(FocusedSwatch());
            press(Qt::Key_Down);
            swatches.push_back(FocusedSwatch());
            active = menu->activeAction() ? menu->activeAction()->objectName() : QString();
            press(Qt::Key_Up);
            swatches.push_back(FocusedSwatch());
            press(Qt::Key_Down);
            press(Qt::Key_Return);
        });
        QTest::keyClick(WidgetOf(颜色选择器3), Qt::Key_Space);
        QCOMPARE(swatches, (std::vector<int>{24, 32, -1, 32}));
        QCOMPARE(active, "noColour");
        QTRY_COMPARE(Get(颜色选择器3, prop::PickedColour), NoColour);
    }

    // With a colour of its own, the palette starts on that colour's swatch.
    void thePaletteStartsOnThePickersColour()
    {
        Set(颜色选择器1, prop::PickedColour, Rgb(255, 255, 204));
        int first = -1;
        QTimer::singleShot(0, [&] {
            first = FocusedSwatch();
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        QTest::keyClick(WidgetOf(颜色选择器1), Qt::Key_Space);
        QCOMPARE(first, 10);
        QCOMPARE(Get(颜色选择器1, prop::PickedColour), Rgb(255, 255, 204));
    }

    void theColourDialogSpeaksChinese()
    {
        QString title;
        std::function<void()> answer = [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, answer);
                return;
            }
            title = dialog->windowTitle();
            dialog->reject();
        };
        QTimer::singleShot(0, answer);
        PickColour(颜色选择器1, "moreColours");
        QTRY_COMPARE(title, "选择颜色");
    }

    void escClosesAndStoresEverything()
    {
        Choose(组合框修改对象, 2);
        Choose(组合框渐变, 4);
        Paste(编辑框盘数, "9");
        QTest::keyClick(WidgetOf(设置窗口), Qt::Key_Escape);
        QTRY_VERIFY(!UnitExists(设置窗口));
        const std::string file = TestSettingsPath();
        QCOMPARE(ReadProfileText(file, "渐变颜色", "横.渐变"), "4");
        QCOMPARE(ReadProfileText(file, "综合", "横数"), "9");
        QCOMPARE(ReadProfileText(file, "综合", "主柱"), "4");
        QCOMPARE(ReadProfileText(file, "渐变颜色", "柱.颜色1"), std::to_string(GameSettings.PegStyle.Colour1));
    }
};

WINDOW_TEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
