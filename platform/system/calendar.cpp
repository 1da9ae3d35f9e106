// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/calendar.h"

#include <QDate>

std::string TodayText()
{
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}
