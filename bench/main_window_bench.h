// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks of the main window share: the window opened at
// 1920 × 1080 and the median of a set of timings.
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "media/sound_effects.h"
#include "platform/units/units.h"
#include "platform/windows/unit_registry.h"
#include "ui/main_window_template.h"

inline QWidget* MainWidget()
{
    return WidgetForHandle(UnitHandle(主窗口));
}

// The main window as the game opens it, its sound effects heard.
inline void OpenMainWindowFullHd()
{
    static SoundEffects effects;
    SetEffectPlayer(&effects);
    RegisterWindowTemplate(MainWindowTemplate());
    LoadWindow(主窗口);
    MainWidget()->resize(1920, 1080);
    QApplication::processEvents();
}

// Repaints the whole window and waits until the display has the frame: under
// X11, a round trip to the server after the repaint.
inline void RepaintShown()
{
    MainWidget()->repaint();
    QGuiApplication::sync();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
