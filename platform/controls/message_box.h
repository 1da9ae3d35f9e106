// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Message box flags, as Windows numbers them.
namespace mb {
inline constexpr int Ok = 0x0;
inline constexpr int OkCancel = 0x1;
inline constexpr int IconError = 0x10;
inline constexpr int IconQuestion = 0x20;
inline constexpr int IconWarning = 0x30;
inline constexpr int IconInformation = 0x40;
inline constexpr int DefaultButton2 = 0x100;
}  // namespace mb

// The button the player chose.
namespace mb_result {
inline constexpr int Ok = 0;
inline constexpr int Cancel = 1;
}  // namespace mb_result

// Shows a message box owned by no window and waits for the player's answer;
// the other windows take no input meanwhile. Without a title it has the
// standard one, "信息：".
int ShowMessage(const std::string& text, int flags = mb::Ok, const std::string& title = {});
