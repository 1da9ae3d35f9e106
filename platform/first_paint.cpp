#include "platform/first_paint.h"

#include <utility>

namespace {
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
    if (auto callback = std::exchange(Callback(), nullptr))
        callback();
}
