// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSize>
#include <QString>

#include "platform/templates/font.h"

// The extent of one line of text in a font: width and cell height, as the
// font's metrics give them.
QSize TextExtent(const Font& font, const QString& text);
