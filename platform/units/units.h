#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/system/bytes.h"
#include "platform/templates/font.h"
#include "platform/templates/unit_ref.h"
#include "platform/templates/window_template.h"

// A property value: int32 (also bools and colours), text, byte set or font.
using PropertyValue = std::variant<std::int32_t, std::string, Bytes, Font>;

// Property numbers every kind has.
namespace prop {
inline constexpr int Left = 0;
inline constexpr int Top = 1;
inline constexpr int Width = 2;
inline constexpr int Height = 3;
inline constexpr int Tag = 4;
inline constexpr int Visible = 5;
inline constexpr int Disabled = 6;
inline constexpr int Cursor = 7;
// window
inline constexpr int Title = 8;
inline constexpr int WindowBorder = 9;
inline constexpr int WindowPicture = 11;
// menu entry (it has only these four)
inline constexpr int MenuCaption = 0;
inline constexpr int MenuChecked = 1;
inline constexpr int MenuDisabled = 2;
inline constexpr int MenuVisible = 3;
// label
inline constexpr int Caption = 8;
inline constexpr int LabelBorder = 10;
inline constexpr int LabelFont = 15;
inline constexpr int GradientMode = 20;
inline constexpr int GradientColour1 = 21;
inline constexpr int GradientColour2 = 22;
inline constexpr int GradientColour3 = 23;
// draw panel
inline constexpr int PanelFont = 22;
// timer
inline constexpr int Interval = 8;
// edit box
inline constexpr int Content = 8;
inline constexpr int SpinnerMax = 23;
// combo box
inline constexpr int Selected = 19;
// colour picker
inline constexpr int PickedColour = 8;
}  // namespace prop

// The window templates LoadWindow can open; registered once at start-up.
void RegisterWindowTemplate(const WindowTemplate& window);

PropertyValue GetUnitProperty(std::int32_t window, std::int32_t unit, int number, int element = -1);
void SetUnitProperty(std::int32_t window, std::int32_t unit, int number, int element, const PropertyValue& value);

// Typed shorthands of the two above for one unit reference (wrong types are a fatal fault).
std::int32_t GetInt(const UnitRef& unit, int number, int element = -1);
std::string GetText(const UnitRef& unit, int number);
void SetInt(const UnitRef& unit, int number, std::int32_t value, int element = -1);
void SetText(const UnitRef& unit, int number, const std::string& text);
void SetBytes(const UnitRef& unit, int number, const Bytes& bytes);

bool LoadWindow(const UnitRef& window, std::optional<UnitRef> owner = std::nullopt, bool modal = false);
void DestroyUnit(const UnitRef& unit);
// A window's position state: 0 normal, start_position::Minimised or Maximised.
// Before the window is first shown, the state it will be shown in.
std::int32_t WindowPositionState(const UnitRef& window);
void SetWindowPositionState(const UnitRef& window, std::int32_t state);
bool CloneUnit(const UnitRef& source, UnitRef& clone);
bool UnitExists(const UnitRef& unit);
UnitRef EventUnit();
std::int32_t UnitHandle(const UnitRef& unit);
void CaptureMouse(std::int32_t handle);
void ReleaseMouse();
std::int32_t ClientWidth(const UnitRef& unit);
std::int32_t ClientHeight(const UnitRef& unit);
// Where the window's client area begins on the screen, horizontally.
std::int32_t ClientScreenLeft(const UnitRef& window);
void MoveUnit(const UnitRef& unit, std::optional<std::int32_t> left, std::optional<std::int32_t> top = std::nullopt,
              std::optional<std::int32_t> width = std::nullopt, std::optional<std::int32_t> height = std::nullopt);
std::int32_t TextWidth(const UnitRef& unit, const std::string& text);
std::int32_t TextHeight(const UnitRef& unit, const std::string& text);

std::int32_t FindUnits(const UnitRef& window, const std::string& namePrefix = {}, const std::string& kindName = {},
                       std::int32_t lowestTag = INT32_MIN, std::int32_t highestTag = INT32_MAX);
std::int32_t UnitListCount(std::int32_t list);
UnitRef UnitListItem(std::int32_t list, std::int32_t index);
void FreeUnitList(std::int32_t list);

// Messages the game sends: a press on the caption, which moves the window.
namespace window_message {
inline constexpr std::int32_t NonClientLeftDown = 161;
inline constexpr std::int32_t HitCaption = 2;
}  // namespace window_message
std::int32_t SendUnitMessage(const UnitRef& unit, std::int32_t message, std::int32_t wParam, std::int32_t lParam);

void PopupMenu(const UnitRef& window, const UnitRef& menuEntry, std::optional<std::int32_t> x = std::nullopt,
               std::optional<std::int32_t> y = std::nullopt);
void SetStatusText(const UnitRef& statusBar, int part, const std::string& text);

// Reads a tag as atoi reads it (leading blanks, sign, digits), clamped to int32.
std::int32_t TagNumber(const std::string& tag);
