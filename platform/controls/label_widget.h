// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label: its picture (tiled from the top-left corner), gradient or
// background inside its frame, then its caption in its font, colour and
// alignment. Its window paints it, from a picture of it kept until its look
// changes. Internal to platform/.
#include <QImage>
#include <QPixmap>
#include <optional>

#include "platform/templates/window_template.h"
#include "platform/windows/painted_by_window.h"

class LabelWidget : public PaintedByWindow {
public:
    LabelWidget(const UnitRef& unit, QWidget* parent);

    void PictureChanged();
    void PaintOnWindow(QPainter& painter) override;

private:
    // Everything the painted result depends on; a change repaints the cache.
    struct Look {
        QSize size;
        qreal devicePixelRatio = 1;
        int borderStyle = 0;
        int gradientMode = 0;
        Colour gradient[3] = {};
        QRgb back = 0;
        std::string text;
        Colour textColour = 0;
        std::optional<Font> font;
        HAlign hAlign = HAlign::Left;
        VAlign vAlign = VAlign::Top;
        bool wordWrap = false;

        bool operator==(const Look&) const = default;
    };

    Look CurrentLook(const UnitTemplate& record) const;
    void Render(const Look& look);

    UnitRef unit_;
    QImage picture_;
    bool pictureDecoded_ = false;
    std::optional<Look> cachedLook_;
    QPixmap cache_;
};

// Qt alignment flags of a caption.
Qt::Alignment CaptionAlignment(HAlign h, VAlign v);
