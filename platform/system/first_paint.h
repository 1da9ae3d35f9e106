// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <functional>

// Lets a benchmark learn when the first window has painted its first frame.
void OnFirstPaint(std::function<void()> callback);
// Called once a window's frame is whole and sent to the screen; runs the
// callback once.
void ReportFirstPaint();
// Whether a window has painted its first frame yet; safe from any thread.
bool FirstPaintDone();

// The longest start-up work that waits for the first frame waits: a window
// shown minimised paints none.
inline constexpr std::chrono::milliseconds FirstFrameWait{500};

// Runs `task` on the event loop once the first frame is painted, or
// FirstFrameWait after the first such task when none is: start-up work the
// first frame does not show goes after it. Call on the thread of the event loop.
void AfterFirstFrame(std::function<void()> task);
