// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wait_responsive.h"

#include "platform/system/delay.h"
#include "platform/units/event_loop.h"

void WaitResponsive(std::int32_t milliseconds)
{
    for (std::int32_t waited = 0; waited < milliseconds; waited += 10) {
        Delay(10);
        ProcessPendingMessages();
    }
}
