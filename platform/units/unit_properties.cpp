// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the numbered properties of units.
#include <QComboBox>
#include <QTimer>
#include <algorithm>

#include "platform/controls/accessible_controls.h"
#include "platform/controls/colour_picker_widget.h"
#include "platform/controls/control_widgets.h"
#include "platform/controls/label_widget.h"
#include "platform/controls/table_widget.h"
#include "platform/system/fatal.h"
#include "platform/templates/label_styles.h"
#include "platform/templates/unit_bounds.h"
#include "platform/units/unit_properties.h"
#include "platform/units/units.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/unit_registry.h"
#include "platform/windows/window_widget.h"

namespace {
std::int32_t AsInt(const PropertyValue& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return *number;
    TypeMismatchStop();
}

const std::string& AsText(const PropertyValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    TypeMismatchStop();
}

const Bytes& AsBytes(const PropertyValue& value)
{
    if (const auto* bytes = std::get_if<Bytes>(&value))
        return *bytes;
    TypeMismatchStop();
}

Rect CurrentRect(const UnitRecord& unit)
{
    if (unit.data.kind == UnitKind::window && unit.widget)
        return static_cast<WindowWidget*>(unit.widget.data())->OuterRect();
    if (unit.widget)
        return ControlRect(unit.widget);
    return unit.data.rect;
}

std::int32_t& RectField(Rect& rect, int number)
{
    switch (number) {
    case prop::Left.number: return rect.left;
    case prop::Top.number: return rect.top;
    case prop::Width.number: return rect.width;
    default: return rect.height;
    }
}

void Repaint(UnitRecord& unit)
{
    if (auto* painted = dynamic_cast<PaintedByWindow*>(unit.widget.data()))
        painted->RequestPaint();
    else if (unit.widget)
        unit.widget->update();
}

PropertyValue GetFont(const std::optional<Font>& font, int element)
{
    const Font current = font.value_or(Font{});
    if (element < 0)
        return current;
    if (element == font_element::Face)
        return current.face;
    return FontElement(current, element);
}

void SetFont(UnitRecord& unit, int element, const PropertyValue& value)
{
    Font font = unit.data.font.value_or(Font{});
    if (element < 0) {
        const auto* whole = std::get_if<Font>(&value);
        if (!whole)
            TypeMismatchStop();
        font = *whole;
    } else if (element == font_element::Face) {
        SetFontFace(font, AsText(value));
    } else {
        SetFontElement(font, element, AsInt(value));
    }
    // The same font again changes nothing and paints nothing: a layout sets
    // every label's size whether it changed or not.
    if (unit.data.font && *unit.data.font == font)
        return;
    unit.data.font = font;
    if (unit.widget && unit.data.kind != UnitKind::Label)
        unit.widget->setFont(ToQFont(font));
    Repaint(unit);
}

PropertyValue GetMenuProperty(const UnitRecord& unit, int number)
{
    switch (number) {
    case prop::MenuCaption.number: return unit.data.text;
    case prop::MenuChecked.number: return std::int32_t((unit.data.menuState & menu_state::Checked) != 0);
    case prop::MenuDisabled.number: return std::int32_t((unit.data.menuState & menu_state::Disabled) != 0);
    case prop::MenuVisible.number: return std::int32_t((unit.data.menuState & menu_state::Hidden) == 0);
    default: TypeMismatchStop();
    }
}

void SetMenuFlag(UnitRecord& unit, unsigned flag, bool on)
{
    unit.data.menuState = on ? (unit.data.menuState | flag) : (unit.data.menuState & ~flag);
}

void SetMenuProperty(UnitRecord& unit, int number, const PropertyValue& value)
{
    switch (number) {
    case prop::MenuCaption.number: unit.data.text = AsText(value); break;
    case prop::MenuChecked.number:
        SetMenuFlag(unit, menu_state::Checked, AsInt(value) != 0);
        SetMenuFlag(unit, menu_state::Checkable, true);
        break;
    case prop::MenuDisabled.number: SetMenuFlag(unit, menu_state::Disabled, AsInt(value) != 0); break;
    case prop::MenuVisible.number: SetMenuFlag(unit, menu_state::Hidden, AsInt(value) == 0); break;
    default: TypeMismatchStop();
    }
}

PropertyValue GetCommon(const UnitRecord& unit, int number)
{
    switch (number) {
    case prop::Left.number:
    case prop::Top.number:
    case prop::Width.number:
    case prop::Height.number: {
        Rect rect = CurrentRect(unit);
        return RectField(rect, number);
    }
    case prop::Tag.number: return unit.data.tag;
    case prop::Visible.number: return std::int32_t(unit.widget ? !unit.widget->isHidden() : unit.data.visible);
    case prop::Disabled.number: return std::int32_t(unit.widget ? !unit.widget->isEnabled() : unit.data.disabled);
    default: return unit.data.cursor;
    }
}

void SetCommon(UnitRecord& unit, int number, const PropertyValue& value)
{
    switch (number) {
    case prop::Left.number:
    case prop::Top.number:
    case prop::Width.number:
    case prop::Height.number: {
        Rect rect = CurrentRect(unit);
        RectField(rect, number) =
            number <= prop::Top.number ? BoundedPosition(AsInt(value)) : BoundedExtent(AsInt(value));
        MoveUnit(unit.Ref(), rect.left, rect.top, rect.width, rect.height);
        break;
    }
    case prop::Tag.number: unit.data.tag = AsText(value); break;
    case prop::Visible.number:
        unit.data.visible = AsInt(value) != 0;
        if (unit.widget)
            unit.widget->setVisible(unit.data.visible);
        break;
    case prop::Disabled.number:
        unit.data.disabled = AsInt(value) != 0;
        if (unit.widget)
            unit.widget->setEnabled(!unit.data.disabled);
        break;
    default:
        unit.data.cursor = AsBytes(value);
        if (unit.widget)
            unit.widget->setCursor(ToQCursor(unit.data.cursor));
        break;
    }
}

void SetInterval(UnitRecord& unit, std::int32_t interval)
{
    interval = std::max(interval, 0);
    // The same value leaves a running period alone.
    if (interval == unit.data.interval)
        return;
    unit.data.interval = interval;
    if (!unit.timer)
        return;
    unit.timer->stop();
    if (interval > 0)
        unit.timer->start(interval);
}

bool IsAccessibleText(int number)
{
    return number == prop::AccessibleName.number || number == prop::AccessibleDescription.number;
}

PropertyValue GetAccessibleText(const UnitRecord& unit, int number)
{
    return number == prop::AccessibleName.number ? unit.data.accessibleName : unit.data.accessibleDescription;
}

void SetAccessibleText(UnitRecord& unit, int number, const PropertyValue& value)
{
    std::string& text =
        number == prop::AccessibleName.number ? unit.data.accessibleName : unit.data.accessibleDescription;
    // Every layout names the whole board again: only a text that changed reaches
    // the widget and, through it, the screen reader.
    if (text == AsText(value))
        return;
    text = AsText(value);
    if (unit.widget)
        ShowAccessibleTexts(unit.widget, unit.data);
}

PropertyValue GetOwn(const UnitRecord& unit, int number, int element)
{
    const UnitTemplate& data = unit.data;
    switch (data.kind) {
    case UnitKind::window:
        if (number == prop::Title.number)
            return data.text;
        if (number == prop::WindowBorder.number)
            return data.borderStyle;
        if (number == prop::WindowPicture.number)
            return data.picture;
        break;
    case UnitKind::Label:
        if (number == prop::Caption.number)
            return data.text;
        if (number == prop::LabelBorder.number)
            return data.borderStyle;
        if (number == prop::LabelFont.number)
            return GetFont(data.font, element);
        if (number == prop::GradientMode.number)
            return data.gradientMode;
        if (number >= prop::GradientColour1.number && number <= prop::GradientColour3.number)
            return data.gradient[number - prop::GradientColour1.number];
        break;
    case UnitKind::DrawPanel:
        if (number == prop::PanelFont.number)
            return GetFont(data.font, element);
        break;
    case UnitKind::Timer:
        if (number == prop::Interval.number)
            return data.interval;
        break;
    case UnitKind::EditBox:
        if (number == prop::Content.number)
            return unit.widget ? static_cast<EditBoxWidget*>(unit.widget.data())->Content() : data.text;
        if (number == prop::SpinnerMax.number)
            return data.spinMax;
        break;
    case UnitKind::ComboBox:
        if (number == prop::Selected.number)
            return unit.widget ? std::int32_t(static_cast<QComboBox*>(unit.widget.data())->currentIndex())
                               : data.selected;
        break;
    case UnitKind::ColorPicker:
        if (number == prop::PickedColour.number)
            return unit.widget ? static_cast<ColourPickerWidget*>(unit.widget.data())->Value() : data.gradient[0];
        break;
    case UnitKind::Table:
        if (number == prop::TableRows.number)
            return data.text;
        break;
    default: break;
    }
    TypeMismatchStop();
}

void SetOwn(UnitRecord& unit, int number, int element, const PropertyValue& value)
{
    UnitTemplate& data = unit.data;
    switch (data.kind) {
    case UnitKind::window: {
        auto* window = static_cast<WindowWidget*>(unit.widget.data());
        if (number == prop::Title.number) {
            data.text = AsText(value);
            window->setWindowTitle(ToQString(data.text));
            return;
        }
        if (number == prop::WindowBorder.number) {
            data.borderStyle = std::clamp(AsInt(value), 0, window_border::EdgeFixed);
            window->ApplyBorderStyle(data.borderStyle);
            return;
        }
        if (number == prop::WindowPicture.number) {
            data.picture = AsBytes(value);
            window->PictureChanged();
            return;
        }
        break;
    }
    case UnitKind::Label:
        if (number == prop::Caption.number) {
            data.text = AsText(value);
            if (unit.widget)
                ShowAccessibleTexts(unit.widget, data);
            return Repaint(unit);
        }
        if (number == prop::LabelBorder.number) {
            data.borderStyle = std::clamp(AsInt(value), 0, LastBorderStyle);
            return Repaint(unit);
        }
        if (number == prop::LabelFont.number)
            return SetFont(unit, element, value);
        if (number == prop::GradientMode.number) {
            data.gradientMode = std::clamp(AsInt(value), 0, LastGradientMode);
            return Repaint(unit);
        }
        if (number >= prop::GradientColour1.number && number <= prop::GradientColour3.number) {
            data.gradient[number - prop::GradientColour1.number] = AsInt(value);
            return Repaint(unit);
        }
        break;
    case UnitKind::DrawPanel:
        if (number == prop::PanelFont.number)
            return SetFont(unit, element, value);
        break;
    case UnitKind::Timer:
        if (number == prop::Interval.number)
            return SetInterval(unit, AsInt(value));
        break;
    case UnitKind::EditBox:
        if (number == prop::Content.number) {
            data.text = AsText(value);
            if (unit.widget)
                static_cast<EditBoxWidget*>(unit.widget.data())->SetContent(data.text);
            return;
        }
        if (number == prop::SpinnerMax.number) {
            data.spinMax = AsInt(value);
            if (unit.widget)
                static_cast<EditBoxWidget*>(unit.widget.data())->SetSpinnerMax(data.spinMax);
            return;
        }
        break;
    case UnitKind::ComboBox:
        if (number == prop::Selected.number) {
            data.selected = AsInt(value);
            if (unit.widget)
                static_cast<QComboBox*>(unit.widget.data())->setCurrentIndex(data.selected);
            return;
        }
        break;
    case UnitKind::ColorPicker:
        if (number == prop::PickedColour.number) {
            data.gradient[0] = AsInt(value);
            if (unit.widget)
                static_cast<ColourPickerWidget*>(unit.widget.data())->SetValue(data.gradient[0]);
            return;
        }
        break;
    case UnitKind::Table:
        if (number == prop::TableRows.number) {
            data.text = AsText(value);
            if (unit.widget)
                ShowTableRows(unit.widget, data);
            return;
        }
        break;
    default: break;
    }
    TypeMismatchStop();
}

// A reference whose kind is not the unit's is a fault of the program.
void CheckKind(const UnitRef& ref)
{
    UnitRecord* unit = FindUnit(LoadedWindow(ref.window), ref.unit);
    if (unit && unit->data.kind != ref.kind)
        TypeMismatchStop();
}

// A unit without a record: a destroyed clone or an identifier the window never had.
PropertyValue GetMissing(int number)
{
    if (IsAccessibleText(number))
        return std::string();
    if (number < prop::Left.number || number > prop::Cursor.number)
        FatalStop(fault::NoNumber, fault::NoNativeWindowText);
    if (number == prop::Tag.number)
        return std::string();
    if (number == prop::Cursor.number)
        return Bytes();
    return std::int32_t(0);
}
}  // namespace

PropertyValue GetUnitProperty(std::int32_t windowId, std::int32_t unitId, int number, int element)
{
    WindowRecord& window = LoadedWindow(windowId);
    UnitRecord* unit = FindUnit(window, unitId);
    if (!unit)
        return GetMissing(number);
    if (unit->data.kind == UnitKind::menu)
        return GetMenuProperty(*unit, number);
    if (IsAccessibleText(number))
        return GetAccessibleText(*unit, number);
    if (number >= prop::Left.number && number <= prop::Cursor.number)
        return GetCommon(*unit, number);
    return GetOwn(*unit, number, element);
}

void SetUnitProperty(std::int32_t windowId, std::int32_t unitId, int number, int element, const PropertyValue& value)
{
    WindowRecord& window = LoadedWindow(windowId);
    UnitRecord* unit = FindUnit(window, unitId);
    if (!unit) {
        if ((number < prop::Left.number || number > prop::Cursor.number) && !IsAccessibleText(number))
            FatalStop(fault::NoNumber, fault::NoNativeWindowText);
        return;
    }
    if (unit->data.kind == UnitKind::menu)
        return SetMenuProperty(*unit, number, value);
    if (IsAccessibleText(number))
        return SetAccessibleText(*unit, number, value);
    if (number >= prop::Left.number && number <= prop::Cursor.number)
        return SetCommon(*unit, number, value);
    SetOwn(*unit, number, element, value);
}

PropertyValue ReadProperty(const UnitRef& unit, int number, int element)
{
    CheckKind(unit);
    return GetUnitProperty(unit.window, unit.unit, number, element);
}

void WriteProperty(const UnitRef& unit, int number, int element, const PropertyValue& value)
{
    CheckKind(unit);
    SetUnitProperty(unit.window, unit.unit, number, element, value);
}
