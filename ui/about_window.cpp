// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window.h"

#include "core/main_window_units.h"
#include "platform/units/units.h"
#include "ui/about_window_template.h"

void OpenAboutWindow()
{
    LoadWindow(关于窗口, 主窗口);
}

void CloseAboutWindow()
{
    DestroyUnit(关于窗口);
}

void DragAboutWindow()
{
    SendUnitMessage(关于窗口, window_message::NonClientLeftDown, window_message::HitCaption, 0);
}
