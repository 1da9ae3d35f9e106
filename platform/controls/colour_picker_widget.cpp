// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/colour_picker_widget.h"

#include <QAccessible>
#include <QColorDialog>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolButton>
#include <QWidgetAction>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/controls/colour_names.h"
#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"

namespace {
constexpr int PaletteColumns = 8;
constexpr int SwatchSize = 18;

QIcon SwatchIcon(Colour colour)
{
    QPixmap swatch(SwatchSize - 4, SwatchSize - 4);
    swatch.fill(ToQColor(colour));
    QPainter frame(&swatch);
    frame.setPen(Qt::darkGray);
    frame.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

// A frame two pixels wide in the highlight colour just inside a rectangle:
// the mark of the control that has the keyboard.
void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& rect)
{
    painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
}

// One colour of the palette, framed while it has the keyboard.
class Swatch : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            DrawFocusMark(painter, *this, rect());
        }
    }
};

// The swatches in rows of PaletteColumns. The arrow keys move the keyboard
// from swatch to swatch as they lie (Left and Right on along the rows, Up and
// Down a row), past the first or last row on to the palette's entries, and
// Enter takes the swatch that has the keyboard. The grid hands the keyboard
// to its current swatch, so the palette's own Up and Down come back to it.
class SwatchGrid : public QWidget {
public:
    explicit SwatchGrid(QMenu& menu) : QWidget(&menu), menu_(menu) { setFocusPolicy(Qt::StrongFocus); }

    void Add(Swatch* swatch)
    {
        swatch->installEventFilter(this);
        swatches_.push_back(swatch);
    }

    // The swatch the keyboard starts on.
    void MakeCurrent(int index)
    {
        setFocusProxy(swatches_[std::size_t(index)]);
        swatches_[std::size_t(index)]->setFocus(Qt::TabFocusReason);
    }

    void SetAction(QAction* action) { action_ = action; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QWidget::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const auto found = std::find(swatches_.begin(), swatches_.end(), watched);
        if (found == swatches_.end())
            return false;
        const int index = int(found - swatches_.begin());
        const int count = int(swatches_.size());
        int target = index;
        switch (key->key()) {
        case Qt::Key_Left: target = index - 1; break;
        case Qt::Key_Right: target = index + 1; break;
        case Qt::Key_Up: target = index - PaletteColumns; break;
        case Qt::Key_Down: target = index + PaletteColumns; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: (*found)->click(); return true;
        default: return false;
        }
        if (target >= 0 && target < count) {
            MakeCurrent(target);
        } else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            // On to the palette's entries: the menu moves on from the grid's entry.
            menu_.setActiveAction(action_);
            QCoreApplication::sendEvent(&menu_, event);
        }
        return true;
    }

private:
    QMenu& menu_;
    QAction* action_ = nullptr;
    std::vector<Swatch*> swatches_;
};
}  // namespace

ColourPickerWidget::ColourPickerWidget(const UnitRef& unit, Colour colour, QWidget* parent)
    : QWidget(parent), unit_(unit), colour_(colour)
{
    setCursor(Qt::PointingHandCursor);
}

void ColourPickerWidget::SetValue(Colour colour)
{
    colour_ = colour;
    update();
    // A screen reader calls the picker by its colour too.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void ColourPickerWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus())
        DrawFocusMark(painter, *this, rect());
    painter.setPen(palette().color(QPalette::Dark));
    const QRect swatch = rect().adjusted(4, 4, -5, -5);
    if (colour_ == NoColour) {
        painter.drawLine(swatch.topLeft(), swatch.bottomRight());
        painter.drawRect(swatch);
    } else {
        painter.fillRect(swatch, ToQColor(colour_));
        painter.drawRect(swatch);
    }
}

void ColourPickerWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OpenPalette();
}

void ColourPickerWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        OpenPalette();
    else
        QWidget::keyPressEvent(event);
}

void ColourPickerWidget::OpenPalette()
{
    QMenu menu(this);
    menu.setObjectName("colourPalette");
    std::optional<Colour> swatch;
    AddSwatches(menu, swatch);
    menu.addSeparator();
    QAction* none = menu.addAction(ToQString(Translate("ColourPicker", "无颜色（默认）")));
    none->setObjectName("noColour");
    QAction* more = menu.addAction(ToQString(Translate("ColourPicker", "其他颜色...")));
    more->setObjectName("moreColours");
    // Both the palette and the colour dialog handle events while open: the
    // picker may be gone when they return.
    const QPointer<ColourPickerWidget> self(this);
    QAction* picked = menu.exec(mapToGlobal(rect().bottomLeft()));
    if (!self)
        return;
    if (swatch) {
        Choose(*swatch);
    } else if (picked == none) {
        Choose(NoColour);
    } else if (picked == more) {
        const QColor start = colour_ == NoColour ? QColor(Qt::white) : ToQColor(colour_);
        const QColor chosen = QColorDialog::getColor(start, this, QString(), QColorDialog::DontUseNativeDialog);
        if (self && chosen.isValid())
            Choose(FromQColor(chosen));
    }
}

// The swatches close the menu themselves and leave their colour in `chosen`.
// The keyboard starts on the swatch of the picker's colour, or the first.
void ColourPickerWidget::AddSwatches(QMenu& menu, std::optional<Colour>& chosen)
{
    auto* grid = new SwatchGrid(menu);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    int index = 0;
    int current = 0;
    for (Colour colour : PaletteColours) {
        auto* swatch = new Swatch(grid);
        grid->Add(swatch);
        if (colour == colour_)
            current = index;
        swatch->setObjectName(QString("swatch%1").arg(index));
        swatch->setIcon(SwatchIcon(colour));
        swatch->setFixedSize(SwatchSize, SwatchSize);
        swatch->setAutoRaise(true);
        swatch->setToolTip(ToQColor(colour).name());
        // A screen reader says the colour, not its code in the tip.
        swatch->setAccessibleName(ToQString(ColourInWords(colour)));
        swatch->setAccessibleDescription(ToQString(ColourValuesInWords(colour)));
        connect(swatch, &QToolButton::clicked, &menu, [colour, &menu, &chosen] {
            chosen = colour;
            menu.close();
        });
        layout->addWidget(swatch, index / PaletteColumns, index % PaletteColumns);
        ++index;
    }
    auto* action = new QWidgetAction(&menu);
    action->setDefaultWidget(grid);
    menu.addAction(action);
    grid->SetAction(action);
    grid->MakeCurrent(current);
}

void ColourPickerWidget::Choose(Colour colour)
{
    SetValue(colour);
    EventArgs args;
    RaiseEvent(unit_, Event::ColourChosen, args);
}
