// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Faults of the program itself (never of the player's input) end the program:
// a message box titled "错误" tells what went wrong, then the program exits
// with code -1. Nothing the game does relies on reaching this.
namespace fault {
inline constexpr int IndexAboveSize = 1;
inline constexpr int IndexBelowOne = 4;
inline constexpr int TypeMismatch = 5;
inline constexpr int NoNumber = 0;

inline constexpr const char* IndexAboveSizeText = "数组成员引用下标超出定义范围";
inline constexpr const char* IndexBelowOneText = "数组成员引用下标必须大于等于1";
inline constexpr const char* TypeMismatchText = "数据或数组类型不匹配";
inline constexpr const char* WindowNotLoadedText = "未载入欲访问窗口组件所在的窗口";
inline constexpr const char* NoNativeWindowText = "指定窗口尚未载入";
inline constexpr const char* RemainderByZeroText = "不能求余数于零";
inline constexpr const char* EventUnitOutsideHandlerText = "“取事件组件”命令只能在事件处理子程序中使用";
}  // namespace fault

// The text the fatal stop shows: the run-time error line, then the error
// number and the message where there are any.
std::string FatalStopText(int errorNumber, const std::string& message);

// Shows the fatal stop's text to the player and waits until it is read,
// where there is a window system to show it on. The window services install
// theirs, the message box, when they start.
using FatalStopDisplay = void (*)(const std::string& text);
void SetFatalStopDisplay(FatalStopDisplay display);

// Writes the text to the standard error stream, shows it on the installed
// display, then exits.
[[noreturn]] void FatalStop(int errorNumber, const std::string& message);
