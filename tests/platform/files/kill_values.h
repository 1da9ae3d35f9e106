// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// The two values the kill test's writer sets in turn: of different lengths,
// so that a file holding part of one and part of the other cannot pass for
// either.
inline std::string KillValueA()
{
    return std::string(3000, 'a');
}

inline std::string KillValueB()
{
    return std::string(7001, 'b');
}
