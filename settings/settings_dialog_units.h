// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/unit_ref.h"

// The settings dialog and its units, addressed by their template names.
inline constexpr std::int32_t SettingsDialogId = 0x52000003;

inline constexpr WindowUnit 设置窗口{SettingsDialogId, 0x06000003};
inline constexpr ButtonUnit 按钮1{SettingsDialogId, 0x16000201};
inline constexpr EditBoxUnit 编辑框盘数{SettingsDialogId, 0x16000204};
inline constexpr ComboBoxUnit 组合框修改对象{SettingsDialogId, 0x16000206};
inline constexpr ComboBoxUnit 组合框渐变{SettingsDialogId, 0x16000209};
inline constexpr ColorPickerUnit 颜色选择器3{SettingsDialogId, 0x1600020A};
inline constexpr ColorPickerUnit 颜色选择器2{SettingsDialogId, 0x1600020B};
inline constexpr ColorPickerUnit 颜色选择器1{SettingsDialogId, 0x1600020C};
inline constexpr ComboBoxUnit 组合框边框{SettingsDialogId, 0x1600020D};
inline constexpr EditBoxUnit 编辑框主柱{SettingsDialogId, 0x1600020E};
inline constexpr EditBoxUnit 编辑框柱数{SettingsDialogId, 0x16000210};
