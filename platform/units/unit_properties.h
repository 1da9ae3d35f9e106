// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The properties of units: a table of numbered properties, and over it typed
// properties that only compile for a unit of the right kind and a value of
// the right type.
#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "platform/system/bytes.h"
#include "platform/templates/font.h"
#include "platform/templates/unit_ref.h"
#include "platform/templates/window_template.h"

// A property value: int32 (also bools and colours), text, byte set or font.
using PropertyValue = std::variant<std::int32_t, std::string, Bytes, Font>;

// A property by its number; `element` picks one element of a font property
// (see font_element), -1 the whole font. A value of the wrong type or a number
// the unit's kind lacks is a fatal fault.
PropertyValue GetUnitProperty(std::int32_t window, std::int32_t unit, int number, int element = -1);
void SetUnitProperty(std::int32_t window, std::int32_t unit, int number, int element, const PropertyValue& value);

// Property `Number` of the units of the kinds `Kinds`, whose values are of type `Value`.
template <typename Value, int Number, UnitKind... Kinds>
struct Property {
    using ValueType = Value;
    static constexpr int number = Number;

    static constexpr bool Of(UnitKind kind) { return ((kind == Kinds) || ...); }
};

// A property that every kind but the menu entry has.
template <typename Value, int Number>
using CommonProperty =
    Property<Value, Number, UnitKind::window, UnitKind::EditBox, UnitKind::PicBox, UnitKind::DrawPanel, UnitKind::Label,
             UnitKind::Button, UnitKind::ComboBox, UnitKind::ColorPicker, UnitKind::HyperLinker, UnitKind::Table,
             UnitKind::Timer, UnitKind::StatusBar>;

namespace prop {
inline constexpr CommonProperty<std::int32_t, 0> Left{};
inline constexpr CommonProperty<std::int32_t, 1> Top{};
inline constexpr CommonProperty<std::int32_t, 2> Width{};
inline constexpr CommonProperty<std::int32_t, 3> Height{};
inline constexpr CommonProperty<std::string, 4> Tag{};
inline constexpr CommonProperty<bool, 5> Visible{};
inline constexpr CommonProperty<bool, 6> Disabled{};
inline constexpr CommonProperty<Bytes, 7> Cursor{};
// What a screen reader calls the unit and says of it; a change is announced.
inline constexpr CommonProperty<std::string, 40> AccessibleName{};
inline constexpr CommonProperty<std::string, 41> AccessibleDescription{};
// window
inline constexpr Property<std::string, 8, UnitKind::window> Title{};
inline constexpr Property<std::int32_t, 9, UnitKind::window> WindowBorder{};
inline constexpr Property<Bytes, 11, UnitKind::window> WindowPicture{};
// menu entry (it has only these four)
inline constexpr Property<std::string, 0, UnitKind::menu> MenuCaption{};
inline constexpr Property<bool, 1, UnitKind::menu> MenuChecked{};
inline constexpr Property<bool, 2, UnitKind::menu> MenuDisabled{};
inline constexpr Property<bool, 3, UnitKind::menu> MenuVisible{};
// label
inline constexpr Property<std::string, 8, UnitKind::Label> Caption{};
inline constexpr Property<std::int32_t, 10, UnitKind::Label> LabelBorder{};
inline constexpr Property<Font, 15, UnitKind::Label> LabelFont{};
inline constexpr Property<std::int32_t, 20, UnitKind::Label> GradientMode{};
inline constexpr Property<Colour, 21, UnitKind::Label> GradientColour1{};
inline constexpr Property<Colour, 22, UnitKind::Label> GradientColour2{};
inline constexpr Property<Colour, 23, UnitKind::Label> GradientColour3{};
// draw panel
inline constexpr Property<Font, 22, UnitKind::DrawPanel> PanelFont{};
// timer
inline constexpr Property<std::int32_t, 8, UnitKind::Timer> Interval{};
// edit box
inline constexpr Property<std::string, 8, UnitKind::EditBox> Content{};
inline constexpr Property<std::int32_t, 23, UnitKind::EditBox> SpinnerMax{};
// combo box
inline constexpr Property<std::int32_t, 19, UnitKind::ComboBox> Selected{};
// colour picker
inline constexpr Property<Colour, 8, UnitKind::ColorPicker> PickedColour{};
// table: its rows, one a line ("\n"), the cells of a row parted by tabs
inline constexpr Property<std::string, 8, UnitKind::Table> TableRows{};
}  // namespace prop

// Element `Element` of a font property, whose values are of type `Value`.
template <typename Value, int Element>
struct FontPart {
    using ValueType = Value;
    static constexpr int element = Element;
};

namespace font_part {
inline constexpr FontPart<std::int32_t, font_element::SizePoints> SizePoints{};
inline constexpr FontPart<bool, font_element::Bold> Bold{};
inline constexpr FontPart<std::string, font_element::Face> Face{};
}  // namespace font_part

template <typename P, UnitKind K>
concept PropertyOf = P::Of(K);

template <typename P, UnitKind K>
concept FontPropertyOf = PropertyOf<P, K> && std::same_as<typename P::ValueType, Font>;

// A value given for a property of type `Value`: that type itself, or for a
// text, a byte set or a font anything that converts to it (a string literal
// for a text). A number never stands for a truth value, nor the other way round.
template <typename Given, typename Value>
concept ValueFor = std::same_as<std::remove_cvref_t<Given>, Value> ||
    (!std::is_arithmetic_v<Value> && std::convertible_to<Given, Value>);

// The numbered table for a unit reference, whose kind must be the unit's.
PropertyValue ReadProperty(const UnitRef& unit, int number, int element);
void WriteProperty(const UnitRef& unit, int number, int element, const PropertyValue& value);

template <typename Value>
Value FromPropertyValue(const PropertyValue& value)
{
    if constexpr (std::same_as<Value, bool>) {
        return FromPropertyValue<std::int32_t>(value) != 0;
    } else {
        const Value* held = std::get_if<Value>(&value);
        if (!held)
            TypeMismatchStop();
        return *held;
    }
}

template <typename Value>
PropertyValue ToPropertyValue(Value value)
{
    if constexpr (std::same_as<Value, bool>)
        return std::int32_t(value);
    else
        return PropertyValue(std::move(value));
}

template <UnitKind K, typename P>
requires PropertyOf<P, K>
typename P::ValueType Get(const Unit<K>& unit, P)
{
    return FromPropertyValue<typename P::ValueType>(ReadProperty(unit, P::number, -1));
}

template <UnitKind K, typename P, typename V>
requires PropertyOf<P, K> && ValueFor<V, typename P::ValueType>
void Set(const Unit<K>& unit, P, V&& value)
{
    using Value = typename P::ValueType;
    WriteProperty(unit, P::number, -1, ToPropertyValue<Value>(Value(std::forward<V>(value))));
}

// One element of a font property.
template <UnitKind K, typename P, typename Value, int Element>
requires FontPropertyOf<P, K> Value Get(const Unit<K>& unit, P, FontPart<Value, Element>)
{
    return FromPropertyValue<Value>(ReadProperty(unit, P::number, Element));
}

template <UnitKind K, typename P, typename Value, int Element, typename V>
requires FontPropertyOf<P, K> && ValueFor<V, Value>
void Set(const Unit<K>& unit, P, FontPart<Value, Element>, V&& value)
{
    WriteProperty(unit, P::number, Element, ToPropertyValue<Value>(Value(std::forward<V>(value))));
}
