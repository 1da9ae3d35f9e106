#pragma once
// A label: its picture (tiled from the top-left corner) or background, then
// its caption in its font, colour and alignment. Internal to platform/.
#include <QImage>
#include <QWidget>

#include "platform/window_template.h"

class LabelWidget : public QWidget {
public:
    LabelWidget(const UnitRef& unit, QWidget* parent);

    void PictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    UnitRef unit_;
    QImage picture_;
    bool pictureDecoded_ = false;
};

// Qt alignment flags of a caption.
Qt::Alignment CaptionAlignment(HAlign h, VAlign v);
