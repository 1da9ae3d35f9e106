#include "platform/label_widget.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/picture.h"
#include "platform/qt_convert.h"
#include "platform/unit_registry.h"
#include "render/gradient.h"

namespace {
// Gradients are computed a tile at a time, so a large label never needs a
// bitmap of its full size for them.
constexpr int TileSize = 50;

// Border style 6, which no dialog offers: a frame of this many pixels on
// every side, running from light grey at the top to dark grey at the bottom.
constexpr int OwnFrameWidth = 3;
constexpr int OwnFrameMode = 1;
constexpr Colour OwnFrameColours[3] = {Rgb(224, 224, 224), NoColour, Rgb(96, 96, 96)};
constexpr int LastBorderStyle = 6;

// The classic Windows colours of three-dimensional frames.
const QColor Face(192, 192, 192);
const QColor Light(223, 223, 223);
const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(0, 0, 0);

// One ring of a frame, one pixel wide, lit from the top left as Windows draws its edges.
struct Ring {
    QColor topLeft;
    QColor bottomRight;
};

// Rings from the outside in of border styles 1 to 5, after the Windows frames
// client edge, dialog-modal frame, static edge, both of the first two, and WS_BORDER.
std::vector<Ring> FrameRings(int style)
{
    const std::vector<Ring> clientEdge{{Shadow, Highlight}, {DarkShadow, Light}};
    const std::vector<Ring> dialogFrame{{Light, DarkShadow}, {Highlight, Shadow}, {Face, Face}};
    switch (style) {
    case 1: return clientEdge;
    case 2: return dialogFrame;
    case 3: return {{Shadow, Highlight}};
    case 4: {
        std::vector<Ring> both = dialogFrame;
        both.insert(both.end(), clientEdge.begin(), clientEdge.end());
        return both;
    }
    case 5: return {{Qt::black, Qt::black}};
    default: return {};
    }
}

// Draws a ring `width` device pixels wide along the inside of `outer`; the
// bottom and right sides take the corners they share with the top and left.
void DrawRing(QPainter& painter, const QRect& outer, int width, const Ring& ring)
{
    painter.fillRect(outer.left(), outer.top(), outer.width() - width, width, ring.topLeft);
    painter.fillRect(outer.left(), outer.top(), width, outer.height() - width, ring.topLeft);
    painter.fillRect(outer.left(), outer.bottom() + 1 - width, outer.width(), width, ring.bottomRight);
    painter.fillRect(outer.right() + 1 - width, outer.top(), width, outer.height(), ring.bottomRight);
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

LabelWidget::LabelWidget(const UnitRef& unit, QWidget* parent) : QWidget(parent), unit_(unit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LabelWidget::PictureChanged()
{
    picture_ = QImage();
    pictureDecoded_ = false;
    cachedLook_.reset();
    update();
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
        if (look.borderStyle == LastBorderStyle) {
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

void LabelWidget::paintEvent(QPaintEvent*)
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
        QPainter(this).drawPixmap(0, 0, cache_);
}
