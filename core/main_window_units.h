// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/unit_ref.h"

// The main window and its units, addressed by their template names.
inline constexpr std::int32_t MainWindowId = 0x52000001;

inline constexpr WindowUnit 主窗口{MainWindowId, 0x06000001};
inline constexpr DrawPanelUnit 画板1{MainWindowId, 0x16000001};
inline constexpr LabelUnit 标签暂停{MainWindowId, 0x16000002};
inline constexpr TimerUnit 时钟耗费时间{MainWindowId, 0x16000003};
inline constexpr LabelUnit 标签横{MainWindowId, 0x16000004};
inline constexpr LabelUnit 标签柱{MainWindowId, 0x16000005};
inline constexpr LabelUnit 标签基{MainWindowId, 0x16000006};
inline constexpr StatusBarUnit 状态条{MainWindowId, 0x16000007};
// The mark over the column the keys point at.
inline constexpr LabelUnit 标签键盘列{MainWindowId, 0x16000008};
// The pace of a demonstration: one move a tick.
inline constexpr TimerUnit 时钟演示{MainWindowId, 0x16000009};

// The context menu: the hidden menu-bar entry "文件" and the entries under it.
inline constexpr MenuUnit 菜单文件{MainWindowId, 0x26000001};
inline constexpr MenuUnit 菜单新游戏{MainWindowId, 0x26000002};
inline constexpr MenuUnit 菜单逆向模式{MainWindowId, 0x26000003};
inline constexpr MenuUnit 菜单暂停{MainWindowId, 0x26000004};
inline constexpr MenuUnit 菜单查看走法{MainWindowId, 0x26000005};
inline constexpr MenuUnit 菜单分隔1{MainWindowId, 0x26000006};
inline constexpr MenuUnit 菜单静音{MainWindowId, 0x26000007};
inline constexpr MenuUnit 菜单正确放下方计一步{MainWindowId, 0x26000008};
inline constexpr MenuUnit 菜单参数设定{MainWindowId, 0x26000009};
inline constexpr MenuUnit 菜单恢复初始参数{MainWindowId, 0x2600000A};
inline constexpr MenuUnit 菜单分隔2{MainWindowId, 0x2600000B};
inline constexpr MenuUnit 菜单关于{MainWindowId, 0x2600000C};
inline constexpr MenuUnit 菜单退出{MainWindowId, 0x2600000D};
// After the entries above: help from the solver.
inline constexpr MenuUnit 菜单分隔3{MainWindowId, 0x2600000E};
inline constexpr MenuUnit 菜单提示{MainWindowId, 0x2600000F};
inline constexpr MenuUnit 菜单演示{MainWindowId, 0x26000010};
inline constexpr MenuUnit 菜单成绩{MainWindowId, 0x26000011};

// The parts of 状态条, from the left: the time played, the steps and the tip.
namespace status_part {
inline constexpr int Time = 0;
inline constexpr int Steps = 1;
inline constexpr int Tip = 2;
}  // namespace status_part
