// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/window_template.h"
#include "platform/units/units.h"

// The about window and its units, addressed by their template names.
inline constexpr std::int32_t AboutWindowId = 0x52000004;

inline constexpr WindowUnit 关于窗口{AboutWindowId, 0x06000004};
inline constexpr PicBoxUnit 图片框1{AboutWindowId, 0x16000401};
inline constexpr LabelUnit 标签5{AboutWindowId, 0x16000402};
inline constexpr HyperLinkerUnit 超级链接框5{AboutWindowId, 0x16000403};
inline constexpr LabelUnit 标签1{AboutWindowId, 0x16000404};
inline constexpr HyperLinkerUnit 超级链接框1{AboutWindowId, 0x16000405};
inline constexpr LabelUnit 标签3{AboutWindowId, 0x16000406};
inline constexpr HyperLinkerUnit 超级链接框3{AboutWindowId, 0x16000407};
inline constexpr LabelUnit 标签2{AboutWindowId, 0x16000408};
inline constexpr HyperLinkerUnit 超级链接框2{AboutWindowId, 0x16000409};
inline constexpr LabelUnit 标签6{AboutWindowId, 0x1600040A};
inline constexpr HyperLinkerUnit 超级链接框6{AboutWindowId, 0x1600040B};
inline constexpr PicBoxUnit 图片框2{AboutWindowId, 0x1600040C};
inline constexpr PicBoxUnit 图片框3{AboutWindowId, 0x1600040D};
inline constexpr HyperLinkerUnit 超级链接框4{AboutWindowId, 0x1600040E};

const WindowTemplate& AboutWindowTemplate();
