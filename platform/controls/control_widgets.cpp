// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/control_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

#include "platform/controls/label_widget.h"
#include "platform/controls/spoken_notices.h"
#include "platform/pictures/picture.h"
#include "platform/texts/conversions.h"
#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"

namespace {
void Raise(const UnitRef& unit, Event event)
{
    EventArgs args;
    RaiseEvent(unit, event, args);
}

Qt::Alignment HorizontalAlignment(HAlign h)
{
    return h == HAlign::Left ? Qt::AlignLeft : h == HAlign::Right ? Qt::AlignRight : Qt::AlignHCenter;
}

// How long typing may pause before what was typed takes effect.
constexpr int TypingPauseMs = 1000;
constexpr int SpinnerWidth = 16;

// The line of an edit box. It tells apart what the player types key by key
// from what changes the text at one stroke, and refuses typed characters
// other than digits in a number box (pasted text is taken as it is).
class EditLine : public QLineEdit {
public:
    EditLine(bool numberOnly, std::function<void(bool)> edited, QWidget* parent)
        : QLineEdit(parent), numberOnly_(numberOnly), edited_(std::move(edited))
    {
        connect(this, &QLineEdit::textEdited, this, [this] { edited_(atOneStroke_); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString text = event->text();
        const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (numberOnly_ && !command && text.size() == 1 && text[0].isPrint() && !text[0].isDigit()) {
            event->accept();
            return;
        }
        OneStroke scope(*this, event->matches(QKeySequence::Paste));
        QLineEdit::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        OneStroke scope(*this, event->button() == Qt::MiddleButton);
        QLineEdit::mouseReleaseEvent(event);
    }
    void dropEvent(QDropEvent* event) override
    {
        OneStroke scope(*this, true);
        QLineEdit::dropEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        OneStroke scope(*this, true);
        QLineEdit::contextMenuEvent(event);
    }

private:
    struct OneStroke {
        OneStroke(EditLine& line, bool on) : line_(line), saved_(line.atOneStroke_) { line.atOneStroke_ |= on; }
        ~OneStroke() { line_.atOneStroke_ = saved_; }
        EditLine& line_;
        bool saved_;
    };

    bool numberOnly_;
    bool atOneStroke_ = false;
    std::function<void(bool)> edited_;
};

// Drop-down lists with Windows' narrow arrow button, so that entries as wide
// as the list less its button show whole.
class CompactComboStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect inner = option->rect.adjusted(1, 1, -1, -1);
        const QRect arrow(inner.right() + 1 - ArrowWidth, inner.top(), ArrowWidth, inner.height());
        if (part == SC_ComboBoxArrow)
            return arrow;
        return QRect(inner.left() + 1, inner.top(), arrow.left() - inner.left() - 1, inner.height());
    }

private:
    static constexpr int ArrowWidth = 16;
};

QStyle* ComboStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new CompactComboStyle;
        style->setParent(qApp);
    }
    return style;
}

// The number in a text as the number boxes read it (leading blanks, digits,
// a fraction and an exponent, up to the first other character).
std::int32_t BoxNumber(const QString& text)
{
    return ToInt32Clamped(ToNumber(FromQString(text)));
}
}  // namespace

EditBoxWidget::EditBoxWidget(const UnitRef& unit, const UnitTemplate& look, QWidget* parent)
    : QWidget(parent), unit_(unit), spinMin_(look.spinMin), spinMax_(look.spinMax)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* editor;
    if (look.multiLine) {
        block_ = new QTextEdit(this);
        block_->setAcceptRichText(false);
        block_->setReadOnly(look.readOnly);
        block_->setVerticalScrollBarPolicy(look.verticalScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        block_->setLineWrapMode(look.wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        QTextOption lines = block_->document()->defaultTextOption();
        lines.setAlignment(HorizontalAlignment(look.hAlign));
        block_->document()->setDefaultTextOption(lines);
        connect(block_, &QTextEdit::textChanged, this, [this] { Raise(unit_, Event::ContentChanged); });
        editor = block_;
    } else {
        line_ = new EditLine(
            look.numberOnly, [this](bool atOneStroke) { Edited(atOneStroke); }, this);
        line_->setReadOnly(look.readOnly);
        line_->setAlignment(HorizontalAlignment(look.hAlign));
        connect(line_, &QLineEdit::editingFinished, this, [this] { FinishTyping(); });
        typingPause_ = new QTimer(this);
        typingPause_->setSingleShot(true);
        typingPause_->setInterval(TypingPauseMs);
        connect(typingPause_, &QTimer::timeout, this, [this] { FinishTyping(); });
        editor = line_;
    }
    editor->setFont(ToQFont(look.font.value_or(Font{})));
    QPalette colours = editor->palette();
    colours.setColor(QPalette::Text, ToQColor(look.textColour));
    if (look.backColour)
        colours.setColor(QPalette::Base, ToQColor(*look.backColour));
    editor->setPalette(colours);
    editor->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    layout->addWidget(editor);
    SetContent(look.text);
    if (look.spinner && line_ && parent) {
        // Each click steps the number by one within the spinner's range;
        // typing is not limited by it.
        spinner_ = new QWidget(parent);
        spinner_->setAccessibleName(ToQString(Translate("EditBox", "增减")));
        auto* arrows = new QVBoxLayout(spinner_);
        arrows->setContentsMargins(0, 0, 0, 0);
        arrows->setSpacing(0);
        for (auto [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
            auto* button = new QToolButton(spinner_);
            button->setArrowType(arrow);
            button->setAccessibleName(
                ToQString(delta > 0 ? Translate("EditBox", "加一") : Translate("EditBox", "减一")));
            button->setFocusPolicy(Qt::NoFocus);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            connect(button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
            arrows->addWidget(button);
        }
        spinner_->stackUnder(this);
        spinner_->hide();
    }
}

EditBoxWidget::~EditBoxWidget()
{
    delete spinner_.data();
}

QWidget* EditBoxWidget::Editor() const
{
    return line_ ? static_cast<QWidget*>(line_) : block_;
}

std::string EditBoxWidget::Content() const
{
    return FromQString(line_ ? line_->text() : block_->toPlainText().replace(QLatin1Char('\n'), "\r\n"));
}

void EditBoxWidget::SetContent(const std::string& text)
{
    if (block_) {
        block_->setPlainText(DisplayText(text));
        return;
    }
    typingPending_ = false;
    typingPause_->stop();
    const QString shown = ToQString(text);
    if (shown == line_->text())
        return;
    line_->setText(shown);
    // A number the player hears typed may be set to another.
    if (line_->hasFocus())
        SpeakNotice(shown);
    Raise(unit_, Event::ContentChanged);
}

void EditBoxWidget::FinishTyping()
{
    if (!typingPending_)
        return;
    typingPending_ = false;
    typingPause_->stop();
    Raise(unit_, Event::ContentChanged);
}

void EditBoxWidget::Edited(bool atOneStroke)
{
    typingPending_ = true;
    if (atOneStroke)
        FinishTyping();
    else
        typingPause_->start();
}

void EditBoxWidget::Step(int delta)
{
    const std::int32_t value = std::clamp<std::int32_t>(BoxNumber(line_->text()) + delta, spinMin_, spinMax_);
    SetContent(std::to_string(value));
}

void EditBoxWidget::PlaceSpinner()
{
    if (spinner_)
        spinner_->setGeometry(geometry().right() + 1, geometry().top(), SpinnerWidth, height());
}

void EditBoxWidget::moveEvent(QMoveEvent*)
{
    PlaceSpinner();
}

void EditBoxWidget::resizeEvent(QResizeEvent*)
{
    PlaceSpinner();
}

void EditBoxWidget::showEvent(QShowEvent*)
{
    if (spinner_)
        spinner_->show();
}

void EditBoxWidget::hideEvent(QHideEvent*)
{
    if (spinner_)
        spinner_->hide();
}

void EditBoxWidget::changeEvent(QEvent* event)
{
    if (spinner_ && event->type() == QEvent::EnabledChange)
        spinner_->setEnabled(isEnabled());
}

PictureBoxWidget::PictureBoxWidget(const UnitTemplate& look, QWidget* parent)
    : QWidget(parent), picture_(DecodePicture(look.picture))
{
}

void PictureBoxWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
}

QWidget* CreateButton(const UnitRef& unit, const UnitTemplate& look, QWidget* parent)
{
    auto* button = new QPushButton(ToQString(look.text), parent);
    button->setFont(ToQFont(look.font.value_or(Font{})));
    button->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, button, [unit] { Raise(unit, Event::Clicked); });
    return button;
}

QWidget* CreateComboBox(const UnitRef& unit, const UnitTemplate& look, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setStyle(ComboStyle());
    combo->setFont(ToQFont(look.font.value_or(Font{})));
    for (const std::string& item : look.items)
        combo->addItem(ToQString(item));
    combo->setCurrentIndex(look.selected);
    combo->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    // Only the player's choice raises the event, not a selection set by the program.
    QObject::connect(combo, &QComboBox::activated, combo, [unit] { Raise(unit, Event::SelectionChanged); });
    // Orca says nothing of a new entry chosen by a key in the closed list.
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
        if (combo->hasFocus())
            SpeakNotice(combo->currentText());
    });
    return combo;
}

QWidget* CreateHyperLinker(const UnitRef& unit, const UnitTemplate& look, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QString caption = DisplayText(look.text).toHtmlEscaped();
    const QString target = look.mailLink ? QStringLiteral("mailto:") + DisplayText(look.text) : ToQString(look.link);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), caption));
    label->setTextFormat(Qt::RichText);
    label->setAlignment(CaptionAlignment(look.hAlign, look.vAlign));
    label->setWordWrap(look.wordWrap);
    if (look.font)
        label->setFont(ToQFont(*look.font));
    QObject::connect(label, &QLabel::linkActivated, label, [unit](const QString& link) {
        QDesktopServices::openUrl(QUrl(link));
        Raise(unit, Event::Clicked);
    });
    return label;
}
