// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/colour_picker_widget.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolButton>
#include <QWidgetAction>
#include <optional>

#include "platform/texts/translation.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"

namespace {
// Eight columns: greys, then the hues from light to dark.
constexpr Colour PaletteColours[] = {
    Rgb(0, 0, 0),       Rgb(64, 64, 64),    Rgb(128, 128, 128), Rgb(160, 160, 160), Rgb(192, 192, 192),
    Rgb(224, 224, 224), Rgb(240, 240, 240), Rgb(255, 255, 255), Rgb(255, 204, 204), Rgb(255, 229, 204),
    Rgb(255, 255, 204), Rgb(204, 255, 204), Rgb(204, 255, 255), Rgb(204, 229, 255), Rgb(229, 204, 255),
    Rgb(255, 204, 229), Rgb(255, 104, 180), Rgb(255, 183, 111), Rgb(255, 255, 102), Rgb(102, 255, 102),
    Rgb(102, 255, 255), Rgb(0, 136, 255),   Rgb(178, 102, 255), Rgb(255, 102, 178), Rgb(255, 0, 0),
    Rgb(255, 90, 11),   Rgb(255, 255, 0),   Rgb(0, 255, 0),     Rgb(0, 255, 255),   Rgb(0, 0, 255),
    Rgb(128, 0, 255),   Rgb(255, 0, 255),   Rgb(153, 0, 0),     Rgb(153, 76, 0),    Rgb(153, 153, 0),
    Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(0, 0, 128),     Rgb(76, 0, 153),    Rgb(128, 0, 128),
};
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
}

void ColourPickerWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
void ColourPickerWidget::AddSwatches(QMenu& menu, std::optional<Colour>& chosen)
{
    auto* grid = new QWidget(&menu);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    int index = 0;
    for (Colour colour : PaletteColours) {
        auto* swatch = new QToolButton(grid);
        swatch->setObjectName(QString("swatch%1").arg(index));
        swatch->setIcon(SwatchIcon(colour));
        swatch->setFixedSize(SwatchSize, SwatchSize);
        swatch->setAutoRaise(true);
        swatch->setToolTip(ToQColor(colour).name());
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
}

void ColourPickerWidget::Choose(Colour colour)
{
    SetValue(colour);
    EventArgs args;
    RaiseEvent(unit_, Event::ColourChosen, args);
}
