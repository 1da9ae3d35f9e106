// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/first_paint.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <utility>
#include <vector>

namespace {
std::atomic<bool> painted = false;

std::function<void()>& Callback()
{
    static std::function<void()> callback;
    return callback;
}

std::vector<std::function<void()>>& Deferred()
{
    static std::vector<std::function<void()>> tasks;
    return tasks;
}

void RunDeferred()
{
    for (const std::function<void()>& task : std::exchange(Deferred(), {}))
        task();
}

// Queued behind the paint, so the frame reaches the screen first.
void PostDeferred()
{
    QTimer::singleShot(0, QCoreApplication::instance(), RunDeferred);
}
}  // namespace

void OnFirstPaint(std::function<void()> callback)
{
    Callback() = std::move(callback);
}

void ReportFirstPaint()
{
    if (painted.exchange(true))
        return;
    if (auto callback = std::exchange(Callback(), nullptr))
        callback();
    if (!Deferred().empty())
        PostDeferred();
}

bool FirstPaintDone()
{
    return painted;
}

void AfterFirstFrame(std::function<void()> task)
{
    const bool first = Deferred().empty();
    Deferred().push_back(std::move(task));
    if (painted)
        PostDeferred();
    else if (first)
        QTimer::singleShot(FirstFrameWait, QCoreApplication::instance(), RunDeferred);
}
