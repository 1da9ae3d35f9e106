// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/first_paint.h"

#include <atomic>
#include <utility>

namespace {
std::atomic<bool> painted = false;

std::function<void()>& Callback()
{
    static std::function<void()> callback;
    return callback;
}
}  // namespace

void OnFirstPaint(std::function<void()> callback)
{
    Callback() = std::move(callback);
}

void ReportFirstPaint()
{
    painted = true;
    if (auto callback = std::exchange(Callback(), nullptr))
        callback();
}

bool FirstPaintDone()
{
    return painted;
}
