// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/templates/unit_ref.h"

#include "platform/system/fatal.h"

const char* KindName(UnitKind kind)
{
    switch (kind) {
    case UnitKind::window: return "窗口";
    case UnitKind::menu: return "菜单";
    case UnitKind::EditBox: return "编辑框";
    case UnitKind::PicBox: return "图片框";
    case UnitKind::DrawPanel: return "画板";
    case UnitKind::Label: return "标签";
    case UnitKind::Button: return "按钮";
    case UnitKind::ComboBox: return "组合框";
    case UnitKind::ColorPicker: return "颜色选择器";
    case UnitKind::HyperLinker: return "超级链接框";
    case UnitKind::Table: return "表格";
    case UnitKind::Timer: return "时钟";
    case UnitKind::StatusBar: return "状态条";
    }
    return "";
}

void TypeMismatchStop()
{
    FatalStop(fault::TypeMismatch, fault::TypeMismatchText);
}
