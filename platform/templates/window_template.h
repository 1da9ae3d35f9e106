// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/system/bytes.h"
#include "platform/templates/font.h"
#include "platform/templates/unit_ref.h"

// Colours are 0x00BBGGRR (red in the low byte).
using Colour = std::int32_t;
inline constexpr Colour NoColour = std::int32_t(0xFF000000u);
constexpr Colour Rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

// The events a window or a unit can raise.
enum class Event {
    Created,     // window: once, after its units exist
    CloseQuery,  // window: before a user close; a handler may refuse it
    Destroying,  // window: about to be destroyed
    Resized,     // window: client size changed
    LeftDown,
    LeftUp,
    MouseMove,
    DoubleClick,
    RightDown,
    KeyDown,
    ContentChanged,    // edit box
    SelectionChanged,  // combo box
    ColourChosen,      // colour picker
    Clicked,           // button, hyperlink box, menu entry
    Tick,              // timer
};

// Modifier state of mouse and key events, summed.
namespace modifier {
inline constexpr int Ctrl = 1;
inline constexpr int Shift = 2;
inline constexpr int Alt = 4;
}  // namespace modifier

struct EventArgs {
    int x = 0;  // mouse position in the unit's client area
    int y = 0;
    int key = 0;          // Windows virtual key code of a key-down
    int modifiers = 0;    // sum of modifier::
    bool refuse = false;  // set by a close-query handler to keep the window open
    // Set by a key-down handler that used the key up, so that the window does
    // not act on it as well (Esc does not close it).
    bool keyUsed = false;
};

using Handler = std::function<void(EventArgs&)>;

struct EventBinding {
    Event event;
    Handler handler;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const Rect&) const = default;
};

enum class HAlign {
    Left,
    Centre,
    Right
};
enum class VAlign {
    Top,
    Centre,
    Bottom
};

// Mouse cursors. A unit's cursor property is a byte set; a predefined cursor is
// stored as its 4-byte code, an empty set is the normal arrow.
enum class CursorShape : std::int32_t {
    Arrow = 32512,
    Hand = 32649,
    SizeAll = 32646
};
Bytes PredefinedCursor(CursorShape shape);

// Window picture modes.
namespace picture_mode {
inline constexpr int TopLeft = 0;
inline constexpr int Tiled = 1;
inline constexpr int CentredShrunk = 2;
inline constexpr int Stretched = 3;
}  // namespace picture_mode

// Window border styles.
namespace window_border {
inline constexpr int None = 0;
inline constexpr int Resizable = 1;
inline constexpr int Fixed = 2;
inline constexpr int NarrowResizable = 3;
inline constexpr int NarrowFixed = 4;
inline constexpr int EdgeResizable = 5;
inline constexpr int EdgeFixed = 6;
}  // namespace window_border

// Initial position of a window.
namespace start_position {
inline constexpr int AsTemplate = 0;
inline constexpr int Centred = 1;
inline constexpr int Minimised = 2;
inline constexpr int Maximised = 3;
}  // namespace start_position

// Menu entry state, as the flag word holds it.
namespace menu_state {
inline constexpr unsigned Hidden = 1;
inline constexpr unsigned Disabled = 2;
inline constexpr unsigned Checked = 4;
// Given a check mark or had it taken away at least once: a screen reader says
// whether it has one, as the eye sees.
inline constexpr unsigned Checkable = 8;
}  // namespace menu_state

// One unit of a window template, and also the stored record of a live unit:
// writing a property changes this record, so a clone made later starts from it.
// Fields that a kind does not use keep their defaults.
struct UnitTemplate {
    std::string name;
    UnitKind kind = UnitKind::Label;
    std::int32_t id = 0;
    Rect rect;  // a window's outer rectangle on the screen; a control's in its window's client area
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    Bytes cursor;
    std::string tag;

    std::string text;  // title, caption or content
    // What a screen reader calls the unit, and what more it says of it. A
    // label, a button or a window without a name of its own is called by its
    // caption or title.
    std::string accessibleName;
    std::string accessibleDescription;
    std::optional<Font> font;  // none: the default interface font
    Colour textColour = 0;
    std::optional<Colour> backColour;  // none: the system colour of the kind
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = false;
    Bytes picture;
    int pictureMode = picture_mode::TopLeft;

    int borderStyle = 0;
    int gradientMode = 0;
    Colour gradient[3] = {NoColour, NoColour, NoColour};

    // window
    bool minBox = false;
    bool maxBox = false;
    bool controlBox = true;
    bool movable = true;
    bool escCloses = false;
    int startPosition = start_position::AsTemplate;

    // timer
    std::int32_t interval = 0;

    // menu: 0 for an entry of the menu bar, 1 for an entry under it, ...
    int menuLevel = 0;
    unsigned menuState = 0;

    // edit box
    bool multiLine = false;
    bool readOnly = false;
    bool verticalScroll = false;
    bool numberOnly = false;  // only digits can be typed
    bool spinner = false;
    std::int32_t spinMin = 0;
    std::int32_t spinMax = 100;

    // combo box; for a table, the columns' headers
    std::vector<std::string> items;
    std::int32_t selected = -1;

    // hyperlink box
    std::string link;
    bool mailLink = false;

    // status bar: widths of its parts, the last one taking the rest
    std::vector<int> partWidths;

    std::vector<EventBinding> events;
};

// A window: its identifier, its own unit (kind window) and its units in template order.
struct WindowTemplate {
    std::int32_t windowId = 0;
    UnitTemplate self;
    std::vector<UnitTemplate> units;
};

// The order in which Tab moves the keyboard through a window's tab stops, as
// indices into `units`: the order their rectangles lie in, rows from top to
// bottom and each row from left to right. A unit whose vertical middle lies
// within the height of the row's first (topmost) unit belongs to that row,
// so controls of different heights side by side make one row.
std::vector<std::size_t> TabOrder(const std::vector<UnitTemplate>& units);

// A binding for an operation that needs nothing from the event.
Handler Run(void (*operation)());

// A font of the given face and character height in pixels.
Font PixelFont(const std::string& face, int pixels, FontWeight weight = FontWeight::Regular);
