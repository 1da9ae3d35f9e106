// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

// A byte set: pictures, sounds and whole files are handed around as these.
using Bytes = std::vector<std::uint8_t>;
