// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/virtual_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>
#include <utility>

namespace {
// X11 and Wayland key codes (Linux input codes + 8) of the keys whose code
// does not depend on the keyboard layout. Letters are left to Qt's key,
// as Windows gives them by the layout too.
constexpr std::array<std::pair<quint32, int>, 47> PhysicalKeys{{
    {9, 27},  // Esc
    {10, '1'},
    {11, '2'},
    {12, '3'},
    {13, '4'},
    {14, '5'},
    {15, '6'},
    {16, '7'},
    {17, '8'},
    {18, '9'},
    {19, '0'},
    {20, 189},  // − and _
    {21, 187},  // = and +
    {22, 8},    // Backspace
    {23, 9},    // Tab
    {36, 13},   // Enter
    {59, 188},  // , and <
    {60, 190},  // . and >
    {61, 191},  // / and ?
    {65, 32},   // Space
    {67, 112},
    {68, 113},
    {69, 114},
    {70, 115},
    {71, 116},
    {72, 117},
    {73, 118},
    {74, 119},
    {75, 120},
    {76, 121},
    {95, 122},
    {96, 123},  // F1..F12
    // The keypad, the same with NumLock on or off: digits, − . / as on the main keyboard.
    {79, '7'},
    {80, '8'},
    {81, '9'},
    {83, '4'},
    {84, '5'},
    {85, '6'},
    {87, '1'},
    {88, '2'},
    {89, '3'},
    {90, '0'},
    {82, 189},   // keypad −
    {86, 107},   // keypad +
    {91, 190},   // keypad .
    {104, 13},   // keypad Enter
    {106, 191},  // keypad /
}};

// Windows' own codes of the keypad keys the game takes as main-keyboard keys.
int MainKeyboardCode(int windowsCode)
{
    if (windowsCode >= 96 && windowsCode <= 105)
        return '0' + (windowsCode - 96);
    if (windowsCode >= 109 && windowsCode <= 111)
        return windowsCode + 80;
    return windowsCode;
}

bool UsesLinuxKeyCodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}
}  // namespace

int VirtualKeyOfKeyCode(quint32 keyCode)
{
    for (const auto& [code, windowsCode] : PhysicalKeys) {
        if (code == keyCode)
            return windowsCode;
    }
    return 0;
}

int VirtualKeyCode(const QKeyEvent& key)
{
    if (QGuiApplication::platformName() == QLatin1String("windows") && key.nativeVirtualKey() != 0)
        return MainKeyboardCode(int(key.nativeVirtualKey()));
    if (UsesLinuxKeyCodes()) {
        if (const int code = VirtualKeyOfKeyCode(key.nativeScanCode()))
            return code;
    }
    return VirtualKeyCode(key.key(), key.modifiers() & Qt::KeypadModifier);
}

int VirtualKeyCode(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Menu: return 93;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    default: return 0;
    }
}
