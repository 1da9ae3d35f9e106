// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between the game's plain values and Qt's. Internal to platform/.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>
#include <string>

#include "platform/templates/window_template.h"

inline QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string FromQString(const QString& text)
{
    return text.toUtf8().toStdString();
}

// Texts use Windows line breaks; Qt draws a lone "\r" as a glyph, so it goes.
inline QString DisplayText(const std::string& text)
{
    QString converted = ToQString(text);
    converted.remove(QLatin1Char('\r'));
    return converted;
}

inline QColor ToQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline Colour FromQColor(const QColor& colour)
{
    return Rgb(colour.red(), colour.green(), colour.blue());
}

QFont ToQFont(const Font& font);
QCursor ToQCursor(const Bytes& cursor);
