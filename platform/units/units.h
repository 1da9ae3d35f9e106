// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/system/bytes.h"
#include "platform/templates/font.h"
#include "platform/templates/unit_ref.h"
#include "platform/templates/window_template.h"
#include "platform/units/unit_properties.h"

// The window templates LoadWindow can open; registered once at start-up.
void RegisterWindowTemplate(const WindowTemplate& window);

bool LoadWindow(const UnitRef& window, std::optional<UnitRef> owner = std::nullopt, bool modal = false);
void DestroyUnit(const UnitRef& unit);
// A window's position state: 0 normal, start_position::Minimised or Maximised.
// Before the window is first shown, the state it will be shown in.
std::int32_t WindowPositionState(const UnitRef& window);
void SetWindowPositionState(const UnitRef& window, std::int32_t state);
// A window's outer rectangle as it is shown normally: its place while it is,
// the place it returns to while it is maximised or minimised.
Rect NormalWindowRect(const UnitRef& window);
bool CloneUnit(const UnitRef& source, UnitRef& clone);
// The same for a typed unit: a clone has the kind of its source, and `clone`
// is left alone when there is none.
template <UnitKind K>
bool CloneUnit(const Unit<K>& source, Unit<K>& clone)
{
    UnitRef made;
    if (!CloneUnit(static_cast<const UnitRef&>(source), made))
        return false;
    clone = Unit<K>(made.window, made.unit);
    return true;
}
bool UnitExists(const UnitRef& unit);
UnitRef EventUnit();
std::int32_t UnitHandle(const UnitRef& unit);
void CaptureMouse(std::int32_t handle);
void ReleaseMouse();
std::int32_t ClientWidth(const UnitRef& unit);
std::int32_t ClientHeight(const UnitRef& unit);
// Where the window's client area begins on the screen, horizontally.
std::int32_t ClientScreenLeft(const UnitRef& window);
// Where it begins vertically.
std::int32_t ClientScreenTop(const UnitRef& window);
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
// Turns a screen reader's attention to the unit, which reads its name and
// description as it would a control's that takes the focus.
// When the screen reader is on that unit already, it says the unit's name again.
void AnnounceUnit(const UnitRef& unit);
// Has a screen reader say the text once the event being handled is done,
// after what it says of the unit announced meanwhile, without moving its
// attention; texts given while one event is handled are said together.
void SpeakText(const std::string& text);
// Runs `task` each time the window takes the keyboard (given back after a
// menu, a dialog or another program, or at its first showing), after Qt has
// told a screen reader of the focus: the task can turn its attention on.
void WhenWindowFocused(const UnitRef& window, std::function<void()> task);
// Whether a screen reader or other assistive technology listens: until one
// does, texts that only it reads need not be kept up to date.
bool ScreenReaderListening();
// Runs `task` each time a screen reader or other assistive technology starts
// to listen, so that it finds such texts up to date.
void WhenScreenReaderStarts(std::function<void()> task);
void SetStatusText(const StatusBarUnit& statusBar, int part, const std::string& text);

// Reads a tag as atoi reads it (leading blanks, sign, digits), clamped to int32.
std::int32_t TagNumber(const std::string& tag);
