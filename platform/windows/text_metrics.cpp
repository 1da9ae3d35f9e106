// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/text_metrics.h"

#include <QFontMetrics>
#include <QRawFont>
#include <algorithm>
#include <map>
#include <tuple>

#include "platform/windows/qt_convert.h"

namespace {
// Fitting a font tries many sizes of one face. Matching the face anew for
// every size is costly, so each face is matched once and only resized after;
// the metrics come from the same font file and agree with QFontMetrics.
const QRawFont& RawFontFor(const QFont& font)
{
    static std::map<std::tuple<QString, bool, bool>, QRawFont> faces;
    const auto key = std::make_tuple(font.family(), font.bold(), font.italic());
    auto found = faces.find(key);
    if (found == faces.end())
        found = faces.emplace(key, QRawFont::fromFont(font)).first;
    return found->second;
}
}  // namespace

QSize TextExtent(const Font& font, const QString& text)
{
    const QFont qfont = ToQFont(font);
    QRawFont raw = RawFontFor(qfont);
    if (raw.isValid()) {
        raw.setPixelSize(qfont.pixelSize());
        const QList<quint32> glyphs = raw.glyphIndexesForString(text);
        // Text the face cannot show alone (a fallback face would draw it) or
        // that spans lines is measured the long way.
        const bool simple = !text.contains(QLatin1Char('\n')) &&
                            std::none_of(glyphs.begin(), glyphs.end(), [](quint32 glyph) { return glyph == 0; });
        if (simple) {
            qreal width = 0;
            for (const QPointF& advance : raw.advancesForGlyphIndexes(glyphs))
                width += advance.x();
            return QSize(qRound(width), qRound(raw.ascent()) + qRound(raw.descent()));
        }
    }
    const QFontMetrics metrics(qfont);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}
