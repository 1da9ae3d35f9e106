// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

// Lets a benchmark learn when the first window has painted its first frame.
void OnFirstPaint(std::function<void()> callback);
// Called by every window paint; runs the callback once.
void ReportFirstPaint();
// Whether a window has painted its first frame yet; safe from any thread.
bool FirstPaintDone();
