// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the game shows fits the room its control gives it, in the font
// the control really uses, in the language the environment chooses (CTest
// runs this once for each language the game ships). The status bar is tried
// with the widest values a game reaches.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <functional>

#include "core/duration.h"
#include "core/hint_text.h"
#include "input/key_commands.h"
#include "platform/controls/status_bar_widget.h"
#include "platform/texts/conversions.h"
#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"
#include "settings/settings_dialog.h"
#include "ui/about_window.h"
#include "ui/help_texts.h"
#include "ui/main_window.h"
#include "ui/main_window_fixture.h"
#include "ui/records_window.h"

namespace {
// The room a window manager's title bar leaves for the title: the window's
// width less its buttons and the window's icon (openbox's own theme takes
// some 80 pixels), the title written in the interface font in bold.
constexpr int TitleButtonsWidth = 100;

QString Plain(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// What is cut off: one line for every text of `what` that does not fit.
class Clipped {
public:
    void Check(const QString& what, const QString& text, const QFont& font, const QRect& room, bool wrap = false)
    {
        // Lines break only where the text breaks them, unless the control wraps them.
        const int width = wrap ? room.width() : 100000;
        const QSize needed = QFontMetrics(font)
                                 .boundingRect(QRect(0, 0, width, 100000), wrap ? Qt::TextWordWrap : 0, Plain(text))
                                 .size();
        if (needed.width() > room.width() || needed.height() > room.height())
            lines_ << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                          .arg(what, Plain(text).left(60))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height());
    }
    bool None() const { return lines_.isEmpty(); }
    QByteArray Report() const { return ("in " + PlayerLanguage() + ":\n").c_str() + lines_.join('\n').toUtf8(); }

private:
    QStringList lines_;
};

QRect ButtonRoom(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

QRect ComboRoom(QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.frame = true;
    // Qt keeps a pixel on either side of the entry inside its field.
    return combo->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
        .adjusted(1, 0, -1, 0);
}

// The room of a one-line box for its text: its contents less the two pixels
// Qt keeps on either side.
QRect LineRoom(QLineEdit* line)
{
    QStyleOptionFrame frame;
    frame.initFrom(line);
    frame.rect = line->rect();
    frame.lineWidth = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, line);
    return line->style()->subElementRect(QStyle::SE_LineEditContents, &frame, line).adjusted(2, 0, -2, 0);
}

// Every control of a window with its texts; a number box also with three
// digits, as many as the counts it takes have (up to 999 disks).
void CheckControls(const WindowTemplate& window, Clipped& clipped)
{
    for (const UnitTemplate& unit : window.units) {
        const UnitRef ref{window.windowId, unit.id, unit.kind};
        const UnitTemplate* live = StoredData(ref);
        QWidget* widget = WidgetOf(ref);
        if (!live || !widget || !live->visible)
            continue;
        const QString name = QString::fromStdString(unit.name);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            clipped.Check(name, button->text(), button->font(), ButtonRoom(button));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                clipped.Check(name, combo->itemText(i), combo->font(), ComboRoom(combo));
        } else if (auto* link = qobject_cast<QLabel*>(widget)) {
            clipped.Check(name, QTextDocumentFragment::fromHtml(link->text()).toPlainText(), link->font(),
                          link->contentsRect(), link->wordWrap());
        } else if (auto* line = widget->findChild<QLineEdit*>()) {
            for (const QString& text : {line->text(), QStringLiteral("999")})
                clipped.Check(name, text, line->font(), LineRoom(line));
        } else if (unit.kind == UnitKind::Label && !live->text.empty()) {
            clipped.Check(name, ToQString(live->text), ToQFont(live->font.value_or(Font{})), widget->rect(),
                          live->wordWrap);
        }
    }
}

void CheckTitle(const UnitRef& window, Clipped& clipped)
{
    QWidget* widget = WidgetOf(window);
    QFont font = QApplication::font();
    font.setBold(true);
    clipped.Check(QStringLiteral("title"), widget->windowTitle(), font,
                  QRect(0, 0, widget->frameGeometry().width() - TitleButtonsWidth, 100));
}

// The entries of the menu that is up, which is closed after.
void CheckMenu(const QString& what, Clipped& clipped)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            clipped.Check(what, action->text(), menu->font(), menu->actionGeometry(action));
    }
    menu->close();
}

// Runs `open`, which shows a message box, and checks the box's texts before closing it.
void CheckMessageBox(const QString& what, const std::function<void()>& open, Clipped& clipped)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                clipped.Check(what, label->text(), label->font(), label->contentsRect(), label->wordWrap());
        }
        for (QPushButton* button : box->findChildren<QPushButton*>())
            clipped.Check(what, button->text(), button->font(), ButtonRoom(button));
        clipped.Check(what + " title", box->windowTitle(), box->font(),
                      QRect(0, 0, box->frameGeometry().width() - TitleButtonsWidth, 100));
        box->reject();
    });
    open();
}

// The widest of the texts that `text` makes of each value.
template <typename Value>
QString Widest(const std::vector<Value>& values, const std::function<std::string(Value)>& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    QString widest;
    for (const Value& value : values) {
        const QString shown = ToQString(text(value));
        if (metrics.horizontalAdvance(shown) > metrics.horizontalAdvance(widest))
            widest = shown;
    }
    return widest;
}

// Clock values up to `lastHour` hours and 59 minutes: every hour with the
// minutes and seconds whose texts differ in width (none, one and two digits,
// one and more of a unit).
std::vector<double> ClockValues(int lastHour)
{
    std::vector<double> values;
    for (int hours = 0; hours <= lastHour; ++hours)
        for (int minutes : {0, 1, 2, 10, 59})
            for (int seconds : {0, 1, 2, 10, 59})
                values.push_back(((hours * 60.0 + minutes) * 60 + seconds) * 1000);
    return values;
}

// Every tip, with the widest peg names and move counts the bounds allow.
std::vector<std::string> Tips()
{
    const std::string far = "DG", near = "DF";
    SolverPlan plan;
    plan.RemainingMoves = BigCount(99999);
    std::vector<std::string> tips = {
        FillIn(Translate("Game", "从 %1 到 %2"), {far, near}),
        Translate("Game", "原地放下..."),
        Translate("Game", "当前是逆向模式，因此：短的盘片不能放在长的盘片上面"),
        Translate("Game", "长的盘片不能放在短的盘片上面"),
        Translate("Game", "放下正确，继续..."),
        Translate("Game", "您已成功完成转移工作！更改盘片数可按下 Ctrl + Enter 键或右键菜单【参数设定】"),
        Translate("Game", "游戏初始完毕..第一次选择盘片进行移动时将开始计时.."),
        Translate("Game", "您 出色 地完成了原地打转！= ="),
    };
    const std::string newGame = tips[6];
    tips.push_back(Translate("Records", "新纪录！") + newGame);
    tips.push_back(Translate("Records", "新纪录！") + Translate("Records", "成绩未能存入文件！"));
    for (bool proven : {false, true}) {
        plan.ProvenShortest = proven;
        tips.push_back(FillIn(proven ? Translate("Hint", "提示：从 %1 到 %2（至少还需 %3 步）")
                                     : Translate("Hint", "提示：从 %1 到 %2（还需 %3 步）"),
                              {far, near, MoveCountText(plan.RemainingMoves)}));
    }
    return tips;
}
}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(OpenMainWindowShown());
        StartGame(3, 3, 1);
    }

    void theMainWindowAndItsMenu()
    {
        Clipped clipped;
        CheckTitle(主窗口, clipped);
        ShowContextMenu();
        CheckMenu("menu", clipped);
        QVERIFY2(clipped.None(), clipped.Report());
    }

    // Time and steps at their widest, then every tip beside the widest time
    // and steps of an ordinary game (below an hour and 10,000 steps): at the
    // window's first width, the longest tip leaves no room for more.
    void theStatusBarAtItsWidestValues()
    {
        auto* bar = dynamic_cast<StatusBarWidget*>(WidgetOf(状态条));
        QVERIFY(bar);
        const QFont font = bar->font();
        const auto steps = [](int count) { return TranslateCount("Game", "%n 步", nullptr, count); };
        Clipped clipped;
        const auto check = [&](std::vector<double> times, std::vector<int> counts, int parts) {
            const QString texts[] = {Widest<double>(times, FormatDuration, font), Widest<int>(counts, steps, font),
                                     Widest<std::string>(
                                         Tips(), [](std::string tip) { return tip; }, font)};
            for (int part = 0; part < bar->PartCount(); ++part)
                bar->SetPartText(part, texts[part]);
            for (int part = 0; part < parts; ++part)
                clipped.Check("status part " + QString::number(part), texts[part], font, bar->TextRect(part));
        };
        check(ClockValues(99), {0, 1, 2, 9, 10, 99, 999, 9999, 99999}, 2);
        check(ClockValues(0), {0, 1, 2, 9, 10, 99, 999, 9999}, 3);
        StartGame(3, 3, 1);
        QVERIFY2(clipped.None(), clipped.Report());
    }

    void thePauseCover()
    {
        StartClockIfIdle();
        Course.ElapsedSeconds = 1;
        TogglePause();
        QVERIFY(WidgetOf(标签暂停)->isVisible());
        Clipped clipped;
        CheckControls(MainWindowTemplate(), clipped);
        TogglePause();
        QVERIFY2(clipped.None(), clipped.Report());
    }

    void theSettingsDialog()
    {
        OpenSettingsDialog();
        QVERIFY(UnitExists(设置窗口));
        Clipped clipped;
        CheckTitle(设置窗口, clipped);
        CheckControls(SettingsDialogTemplate(), clipped);
        CheckMessageBox("必看", ShowShortcutHelp, clipped);
        QTimer::singleShot(0, [&] { CheckMenu("palette", clipped); });
        QTest::mouseClick(WidgetOf(颜色选择器1), Qt::LeftButton);
        DestroyUnit(设置窗口);
        QVERIFY2(clipped.None(), clipped.Report());
    }

    void theAboutWindowAndItsHelp()
    {
        OpenAboutWindow();
        QVERIFY(UnitExists(关于窗口));
        Clipped clipped;
        CheckControls(AboutWindowTemplate(), clipped);
        CheckMessageBox("help", ShowHelpText, clipped);
        DestroyUnit(关于窗口);
        QVERIFY2(clipped.None(), clipped.Report());
    }

    // A move between the pegs with the longest names, as the record lists it.
    void theMoveRecordWindow()
    {
        OpenMoveRecordWindow();
        QVERIFY(UnitExists(走法窗口));
        auto* record = WidgetOf(编辑框走法)->findChild<QTextEdit*>();
        QVERIFY(record);
        Clipped clipped;
        clipped.Check("编辑框走法", QStringLiteral("DG→DF"), record->font(), record->viewport()->rect());
        DestroyUnit(走法窗口);
        QVERIFY2(clipped.None(), clipped.Report());
    }

    // Its headers in their columns, and a row of the widest values, whose
    // cells wrap their lines.
    void theRecordsWindow()
    {
        OpenRecordsWindow();
        QVERIFY(UnitExists(成绩窗口));
        const std::string dated = "（2026-12-31）";
        const std::string time = Widest<double>(ClockValues(99), FormatDuration, QFont()).toStdString();
        Set(表格成绩, prop::TableRows,
            "111\t999\t" + Translate("Records", "逆向") + "\t" + time + dated + "\t999999999999" + dated + "\t" +
                FillIn(Translate("Records", "至少 %1"), {"999999999999"}) + "\t999999999999\n");
        auto* table = qobject_cast<QTableWidget*>(WidgetOf(表格成绩));
        QVERIFY(table);
        Clipped clipped;
        CheckTitle(成绩窗口, clipped);
        CheckControls(RecordsWindowTemplate(), clipped);
        QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString name = QStringLiteral("表格成绩 column %1").arg(column);
            // A header section keeps some pixels on either side of its text.
            clipped.Check(name, table->horizontalHeaderItem(column)->text(), header->font(),
                          QRect(0, 0, header->sectionSize(column) - 8, header->height()));
            clipped.Check(name, table->item(0, column)->text(), table->font(),
                          table->visualItemRect(table->item(0, column)).adjusted(3, 0, -3, 0), true);
        }
        DestroyUnit(成绩窗口);
        QVERIFY2(clipped.None(), clipped.Report());
    }

    void theQuestions()
    {
        Clipped clipped;
        CheckMessageBox("reverse mode", SwitchReverseMode, clipped);
        CheckMessageBox("restore", RestoreDefaults, clipped);
        QVERIFY2(clipped.None(), clipped.Report());
    }
};

WINDOW_TEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
