#pragma once
#include "platform/templates/window_template.h"
#include "platform/units/units.h"

// The about window and its units, addressed by their template names.
inline constexpr std::int32_t AboutWindowId = 0x52000004;

inline constexpr UnitRef 关于窗口{AboutWindowId, 0x06000004, UnitKind::window};
inline constexpr UnitRef 图片框1{AboutWindowId, 0x16000401, UnitKind::PicBox};
inline constexpr UnitRef 标签5{AboutWindowId, 0x16000402, UnitKind::Label};
inline constexpr UnitRef 超级链接框5{AboutWindowId, 0x16000403, UnitKind::HyperLinker};
inline constexpr UnitRef 标签1{AboutWindowId, 0x16000404, UnitKind::Label};
inline constexpr UnitRef 超级链接框1{AboutWindowId, 0x16000405, UnitKind::HyperLinker};
inline constexpr UnitRef 标签3{AboutWindowId, 0x16000406, UnitKind::Label};
inline constexpr UnitRef 超级链接框3{AboutWindowId, 0x16000407, UnitKind::HyperLinker};
inline constexpr UnitRef 标签2{AboutWindowId, 0x16000408, UnitKind::Label};
inline constexpr UnitRef 超级链接框2{AboutWindowId, 0x16000409, UnitKind::HyperLinker};
inline constexpr UnitRef 标签6{AboutWindowId, 0x1600040A, UnitKind::Label};
inline constexpr UnitRef 超级链接框6{AboutWindowId, 0x1600040B, UnitKind::HyperLinker};
inline constexpr UnitRef 图片框2{AboutWindowId, 0x1600040C, UnitKind::PicBox};
inline constexpr UnitRef 图片框3{AboutWindowId, 0x1600040D, UnitKind::PicBox};
inline constexpr UnitRef 超级链接框4{AboutWindowId, 0x1600040E, UnitKind::HyperLinker};

const WindowTemplate& AboutWindowTemplate();
