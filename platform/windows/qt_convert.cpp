// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/qt_convert.h"

QFont ToQFont(const Font& font)
{
    QFont result(ToQString(font.face));
    // A zero height asks for the default size, as on Windows.
    const int pixels = font.height == 0 ? 12 : (font.height < 0 ? -font.height : font.height);
    result.setPixelSize(pixels);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

QCursor ToQCursor(const Bytes& cursor)
{
    if (cursor.size() != 4)
        return QCursor(Qt::ArrowCursor);
    const auto code = CursorShape(cursor[0] | (cursor[1] << 8) | (cursor[2] << 16) | (cursor[3] << 24));
    switch (code) {
    case CursorShape::Hand: return QCursor(Qt::PointingHandCursor);
    case CursorShape::SizeAll: return QCursor(Qt::SizeAllCursor);
    case CursorShape::Arrow: break;
    }
    return QCursor(Qt::ArrowCursor);
}
