// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The pictures of the background folder, one per game in turn.
extern std::vector<std::string> BackgroundList;

// Shows the next picture of the list behind the board, wrapping round; an
// empty list leaves the built-in picture.
void NextBackground();

// The 1-based place in a list of `count` pictures that follows `current`: the
// first picture after the last one, and after any place outside the list.
std::int32_t NextBackgroundIndex(std::int32_t current, std::size_t count);
