// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The maker's contact fields, shown in the main window's title and the about window.
namespace contact {
inline constexpr const char* Developer = "Korvel";
inline constexpr const char* WebSite = "https://korvel.example.org/torvane";
inline constexpr const char* Mail = "hanoi@example.org";
inline constexpr const char* MessengerNumber = "10086110";
inline constexpr const char* Region = "中国·杭州";
}  // namespace contact
