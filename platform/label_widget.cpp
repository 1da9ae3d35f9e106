#include "platform/label_widget.h"

#include <QPainter>

#include "platform/picture.h"
#include "platform/qt_convert.h"
#include "platform/unit_registry.h"

LabelWidget::LabelWidget(const UnitRef& unit, QWidget* parent) : QWidget(parent), unit_(unit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LabelWidget::PictureChanged()
{
    picture_ = QImage();
    pictureDecoded_ = false;
    update();
}

Qt::Alignment CaptionAlignment(HAlign h, VAlign v)
{
    Qt::Alignment alignment;
    alignment |= h == HAlign::Left ? Qt::AlignLeft : h == HAlign::Right ? Qt::AlignRight : Qt::AlignHCenter;
    alignment |= v == VAlign::Top ? Qt::AlignTop : v == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignVCenter;
    return alignment;
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    const UnitTemplate* look = StoredData(unit_);
    if (!look)
        return;
    QPainter painter(this);
    if (!pictureDecoded_) {
        picture_ = DecodePicture(look->picture);
        pictureDecoded_ = true;
    }
    if (!picture_.isNull()) {
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(picture_));
    } else {
        const QColor back = look->backColour ? ToQColor(*look->backColour) : palette().color(QPalette::Window);
        painter.fillRect(rect(), back);
    }
    if (look->text.empty())
        return;
    painter.setFont(ToQFont(look->font.value_or(Font{})));
    painter.setPen(ToQColor(look->textColour));
    int flags = int(CaptionAlignment(look->hAlign, look->vAlign));
    flags |= look->wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.drawText(rect(), flags, DisplayText(look->text));
}
