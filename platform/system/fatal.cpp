// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace {
FatalStopDisplay installedDisplay = nullptr;
}  // namespace

std::string FatalStopText(int errorNumber, const std::string& message)
{
    std::string text = "运行时出错!\r\n\r\n";
    if (errorNumber != fault::NoNumber)
        text += "错误代码：" + std::to_string(errorNumber) + "\r\n\r\n";
    if (!message.empty())
        text += "错误信息：" + message + "\r\n";
    return text;
}

void SetFatalStopDisplay(FatalStopDisplay display)
{
    installedDisplay = display;
}

void FatalStop(int errorNumber, const std::string& message)
{
    const std::string text = FatalStopText(errorNumber, message);
    // Written out as well as shown: whoever keeps the game's output (a
    // terminal, a log) learns what stopped it after the box is gone.
    std::fputs(text.c_str(), stderr);
    if (installedDisplay)
        installedDisplay(text);
    std::fflush(nullptr);
    // Exit at once: the program's state is not trusted to unwind cleanly.
    std::_Exit(-1);
}
