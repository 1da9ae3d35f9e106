// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/delay.h"

#include <algorithm>
#include <chrono>
#include <thread>

void Delay(std::int32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
}
