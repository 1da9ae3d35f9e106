#pragma once
#include "platform/templates/unit_ref.h"

// The settings dialog and its units, addressed by their template names.
inline constexpr std::int32_t SettingsDialogId = 0x52000003;

inline constexpr UnitRef 设置窗口{SettingsDialogId, 0x06000003, UnitKind::window};
inline constexpr UnitRef 按钮1{SettingsDialogId, 0x16000201, UnitKind::Button};
inline constexpr UnitRef 编辑框盘数{SettingsDialogId, 0x16000204, UnitKind::EditBox};
inline constexpr UnitRef 组合框修改对象{SettingsDialogId, 0x16000206, UnitKind::ComboBox};
inline constexpr UnitRef 组合框渐变{SettingsDialogId, 0x16000209, UnitKind::ComboBox};
inline constexpr UnitRef 颜色选择器3{SettingsDialogId, 0x1600020A, UnitKind::ColorPicker};
inline constexpr UnitRef 颜色选择器2{SettingsDialogId, 0x1600020B, UnitKind::ColorPicker};
inline constexpr UnitRef 颜色选择器1{SettingsDialogId, 0x1600020C, UnitKind::ColorPicker};
inline constexpr UnitRef 组合框边框{SettingsDialogId, 0x1600020D, UnitKind::ComboBox};
inline constexpr UnitRef 编辑框主柱{SettingsDialogId, 0x1600020E, UnitKind::EditBox};
inline constexpr UnitRef 编辑框柱数{SettingsDialogId, 0x16000210, UnitKind::EditBox};
