// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/frame_rings.h"

std::vector<Ring> ClientEdgeRings()
{
    using namespace frame_colour;
    return {{Shadow, Highlight}, {DarkShadow, Light}};
}

std::vector<Ring> DialogFrameRings()
{
    using namespace frame_colour;
    return {{Light, DarkShadow}, {Highlight, Shadow}, {Face, Face}};
}

void DrawRing(QPainter& painter, const QRect& outer, int width, const Ring& ring)
{
    painter.fillRect(outer.left(), outer.top(), outer.width() - width, width, ring.topLeft);
    painter.fillRect(outer.left(), outer.top(), width, outer.height() - width, ring.topLeft);
    painter.fillRect(outer.left(), outer.bottom() + 1 - width, outer.width(), width, ring.bottomRight);
    painter.fillRect(outer.right() + 1 - width, outer.top(), width, outer.height(), ring.bottomRight);
}
