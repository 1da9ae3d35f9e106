#include "platform/control_widgets.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/label_widget.h"
#include "platform/picture.h"
#include "platform/qt_convert.h"
#include "platform/unit_registry.h"

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

// The leading number of a text as the spinner reads it; 0 when there is none.
std::int32_t LeadingNumber(const QString& text)
{
    return std::int32_t(text.trimmed().toLongLong());
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
        line_ = new QLineEdit(this);
        line_->setReadOnly(look.readOnly);
        line_->setAlignment(HorizontalAlignment(look.hAlign));
        if (look.numberOnly)
            line_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), line_));
        connect(line_, &QLineEdit::textChanged, this, [this] { Raise(unit_, Event::ContentChanged); });
        editor = line_;
    }
    if (look.font)
        editor->setFont(ToQFont(*look.font));
    QPalette colours = editor->palette();
    colours.setColor(QPalette::Text, ToQColor(look.textColour));
    if (look.backColour)
        colours.setColor(QPalette::Base, ToQColor(*look.backColour));
    editor->setPalette(colours);
    editor->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    layout->addWidget(editor);
    SetContent(look.text);
    if (look.spinner && line_) {
        // An up-down pair beside the box: each click steps the number by one
        // within the spinner's range; typing is not limited by it.
        auto* arrows = new QVBoxLayout;
        arrows->setContentsMargins(0, 0, 0, 0);
        arrows->setSpacing(0);
        for (auto [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
            auto* button = new QToolButton(this);
            button->setArrowType(arrow);
            button->setFixedWidth(14);
            button->setFocusPolicy(Qt::NoFocus);
            button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
            connect(button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
            arrows->addWidget(button);
        }
        layout->addLayout(arrows);
    }
}

std::string EditBoxWidget::Content() const
{
    return FromQString(line_ ? line_->text() : block_->toPlainText().replace(QLatin1Char('\n'), "\r\n"));
}

void EditBoxWidget::SetContent(const std::string& text)
{
    if (line_)
        line_->setText(ToQString(text));
    else
        block_->setPlainText(DisplayText(text));
}

void EditBoxWidget::Step(int delta)
{
    const std::int32_t value = std::clamp<std::int32_t>(LeadingNumber(line_->text()) + delta, spinMin_, spinMax_);
    SetContent(std::to_string(value));
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
    button->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, button, [unit] { Raise(unit, Event::Clicked); });
    return button;
}

QWidget* CreateComboBox(const UnitRef& unit, const UnitTemplate& look, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& item : look.items)
        combo->addItem(ToQString(item));
    combo->setCurrentIndex(look.selected);
    combo->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    // Only the player's choice raises the event, not a selection set by the program.
    QObject::connect(combo, &QComboBox::activated, combo, [unit] { Raise(unit, Event::SelectionChanged); });
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
    if (look.font)
        label->setFont(ToQFont(*look.font));
    QObject::connect(label, &QLabel::linkActivated, label, [unit](const QString& link) {
        QDesktopServices::openUrl(QUrl(link));
        Raise(unit, Event::Clicked);
    });
    return label;
}
