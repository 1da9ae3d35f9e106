// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/label_widget.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/controls/gradient.h"
#include "platform/pictures/picture.h"
#include "platform/templates/label_styles.h"
#include "platform/windows/frame_rings.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"

namespace {
// Gradients are computed a tile at a time, so a large label never needs a
// bitmap of its full size for them.
constexpr int TileSize = 50;

// The label's own border style, which no dialog offers: a frame of this many
// pixels on every side, running from light grey at the top to dark grey at the bottom.
constexpr int OwnFrameWidth = 3;
constexpr int OwnFrameMode = 1;
constexpr Colour OwnFrameColours[3] = {Rgb(224, 224, 224), NoColour, Rgb(96, 96, 96)};

// Rings from the outside in of border styles 1 to 5, after the Windows frames
// client edge, dialog-modal frame, static edge, both of the first two, and WS_BORDER.
std::vector<Ring> FrameRings(int style)
{
    switch (style) {
    case 1: return ClientEdgeRings();
    case 2: return DialogFrameRings();
    case 3: return {{frame_colour::Shadow, frame_colour::Highlight}};
    case 4: {
        std::vector<Ring> both = DialogFrameRings();
        const std::vector<Ring> edge = ClientEdgeRings();
        both.insert(both.end(), edge.begin(), edge.end());
        return both;
    }
    case 5: return {{Qt::black, Qt::black}};
    default: return {};
    }
}

// Paints `part` of a gradient whose area starts at `origin`, tile by tile.
void PaintGradient(QPainter& painter, const Gradient& gradient, QPoint origin, const QRect& part)
{
    QImage tile(TileSize, TileSize, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<std::uint32_t*>(tile.bits());
    const std::ptrdiff_t stride = tile.bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t));
    for (int top = part.top(); top <= part.bottom(); top += TileSize) {
        const int height = std::min(TileSize, part.bottom() + 1 - top);
        for (int left = part.left(); left <= part.right(); left += TileSize) {
            const int width = std::min(TileSize, part.right() + 1 - left);
            gradient.FillTile(left - origin.x(), top - origin.y(), width, height, pixels, stride);
            painter.drawImage(QPoint(left, top), tile, QRect(0, 0, width, height));
        }
    }
}

// Paints the frame of style 6 around `whole` and answers the area inside it.
QRect PaintOwnFrame(QPainter& painter, const QRect& whole, int width)
{
    const Gradient frame(OwnFrameMode, OwnFrameColours, whole.width(), whole.height());
    const QRect inner = whole.adjusted(width, width, -width, -width);
    const QRect strips[] = {
        {whole.left(), whole.top(), whole.width(), width},
        {whole.left(), whole.bottom() + 1 - width, whole.width(), width},
        {whole.left(), inner.top(), width, inner.height()},
        {inner.right() + 1, inner.top(), width, inner.height()},
    };
    for (const QRect& strip : strips) {
        const QRect part = strip & whole;
        if (!part.isEmpty())
            PaintGradient(painter, frame, whole.topLeft(), part);
    }
    return inner;
}
}  // namespace

LabelWidget::LabelWidget(const UnitRef& unit, QWidget* parent) : PaintedByWindow(parent), unit_(unit)
{
}

void LabelWidget::PictureChanged()
{
    picture_ = QImage();
    pictureDecoded_ = false;
    cachedLook_.reset();
    RequestPaint();
}

Qt::Alignment CaptionAlignment(HAlign h, VAlign v)
{
    Qt::Alignment alignment;
    alignment |= h == HAlign::Left ? Qt::AlignLeft : h == HAlign::Right ? Qt::AlignRight : Qt::AlignHCenter;
    alignment |= v == VAlign::Top ? Qt::AlignTop : v == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignVCenter;
    return alignment;
}

LabelWidget::Look LabelWidget::CurrentLook(const UnitTemplate& record) const
{
    Look look;
    look.size = size();
    look.devicePixelRatio = devicePixelRatioF();
    look.borderStyle = std::clamp(record.borderStyle, 0, LastBorderStyle);
    look.gradientMode = record.gradientMode;
    std::copy(std::begin(record.gradient), std::end(record.gradient), look.gradient);
    look.back = (record.backColour ? ToQColor(*record.backColour) : palette().color(QPalette::Window)).rgb();
    look.text = record.text;
    look.textColour = record.textColour;
    look.font = record.font;
    look.hAlign = record.hAlign;
    look.vAlign = record.vAlign;
    look.wordWrap = record.wordWrap;
    return look;
}

void LabelWidget::Render(const Look& look)
{
    const qreal ratio = look.devicePixelRatio;
    cache_ = QPixmap(look.size * ratio);
    if (cache_.isNull())
        return;

    // Frames and gradients are laid out in device pixels, so that every pixel
    // of the gradient is computed rather than scaled.
    const QRect whole(QPoint(0, 0), cache_.size());
    const int ringWidth = std::max(1, qRound(ratio));
    QRect inner = whole;
    {
        QPainter painter(&cache_);
        if (look.borderStyle == OwnFrameBorderStyle) {
            inner = PaintOwnFrame(painter, whole, OwnFrameWidth * ringWidth);
        } else {
            for (const Ring& ring : FrameRings(look.borderStyle)) {
                if (inner.isEmpty())
                    break;
                DrawRing(painter, inner, ringWidth, ring);
                inner.adjust(ringWidth, ringWidth, -ringWidth, -ringWidth);
            }
        }
        if (!inner.isEmpty() && picture_.isNull()) {
            const Gradient gradient(look.gradientMode, look.gradient, inner.width(), inner.height());
            if (gradient.Paints())
                PaintGradient(painter, gradient, inner.topLeft(), inner);
            else
                painter.fillRect(inner, QColor(look.back));
        }
    }

    // Picture and caption are placed in the widget's own coordinates.
    cache_.setDevicePixelRatio(ratio);
    if (inner.isEmpty())
        return;
    QPainter painter(&cache_);
    const QRectF client(QPointF(inner.topLeft()) / ratio, QSizeF(inner.size()) / ratio);
    if (!picture_.isNull())
        painter.drawTiledPixmap(client, QPixmap::fromImage(picture_));
    if (look.text.empty())
        return;
    painter.setClipRect(client);
    painter.setFont(ToQFont(look.font.value_or(Font{})));
    painter.setPen(ToQColor(look.textColour));
    int flags = int(CaptionAlignment(look.hAlign, look.vAlign));
    flags |= look.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.drawText(client, flags, DisplayText(look.text));
}

void LabelWidget::PaintOnWindow(QPainter& painter)
{
    const UnitTemplate* record = StoredData(unit_);
    if (!record)
        return;
    if (!pictureDecoded_) {
        picture_ = DecodePicture(record->picture);
        pictureDecoded_ = true;
    }
    const Look look = CurrentLook(*record);
    if (cachedLook_ != look) {
        Render(look);
        cachedLook_ = look;
    }
    if (!cache_.isNull())
        painter.drawPixmap(pos(), cache_);
}
