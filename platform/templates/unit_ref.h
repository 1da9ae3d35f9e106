// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

// The kinds of unit a window is made of. The codes are fixed: the high 16 bits
// are 1 for every kind but the status bar (2), the low 16 bits number the kind.
enum class UnitKind : std::int32_t {
    window = 0x10001,
    menu = 0x10003,
    EditBox = 0x10005,
    PicBox = 0x10006,
    DrawPanel = 0x10008,
    Label = 0x1000A,
    Button = 0x1000B,
    ComboBox = 0x1000E,
    ColorPicker = 0x1001C,
    HyperLinker = 0x1001D,
    Table = 0x1001E,
    Timer = 0x10020,
    StatusBar = 0x20002,
};

// The kind's name as unit enumeration compares it ("标签" for a label).
const char* KindName(UnitKind kind);

// Addresses one unit: its window, its own identifier and its kind.
struct UnitRef {
    std::int32_t window = 0;
    std::int32_t unit = 0;
    UnitKind kind = UnitKind::window;

    bool operator==(const UnitRef&) const = default;
};

// Both identifiers 0, kind window: refers to nothing.
inline constexpr UnitRef EmptyUnitRef{};

// A reference to a unit of kind K, so that only K's properties can be read or
// written through it. It converts to a plain `UnitRef` wherever any kind will do.
template <UnitKind K>
struct Unit : UnitRef {
    constexpr Unit() : UnitRef{0, 0, K} {}
    constexpr Unit(std::int32_t window, std::int32_t unit) : UnitRef{window, unit, K} {}
};

using WindowUnit = Unit<UnitKind::window>;
using MenuUnit = Unit<UnitKind::menu>;
using EditBoxUnit = Unit<UnitKind::EditBox>;
using PicBoxUnit = Unit<UnitKind::PicBox>;
using DrawPanelUnit = Unit<UnitKind::DrawPanel>;
using LabelUnit = Unit<UnitKind::Label>;
using ButtonUnit = Unit<UnitKind::Button>;
using ComboBoxUnit = Unit<UnitKind::ComboBox>;
using ColorPickerUnit = Unit<UnitKind::ColorPicker>;
using HyperLinkerUnit = Unit<UnitKind::HyperLinker>;
using TableUnit = Unit<UnitKind::Table>;
using TimerUnit = Unit<UnitKind::Timer>;
using StatusBarUnit = Unit<UnitKind::StatusBar>;

// Stops the program with a type mismatch, a fault of the program: a reference
// of the wrong kind, a property value of the wrong type.
[[noreturn]] void TypeMismatchStop();

// The typed reference to a unit known only at run time (a clone, a found
// unit, a row of a table); a reference of another kind is a fatal fault.
template <UnitKind K>
Unit<K> AsUnit(const UnitRef& ref)
{
    if (ref.kind != K)
        TypeMismatchStop();
    return Unit<K>(ref.window, ref.unit);
}
