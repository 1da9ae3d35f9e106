// SPDX-License-Identifier: GPL-3.0-or-later
// ToNumber on any text. On texts made only of what a decimal number is
// written with, it must agree bit for bit with the C library's strtod (atof).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/texts/conversions.h"

namespace {
bool DecimalCharactersOnly(const std::string& text)
{
    return text.find_first_not_of("0123456789.eE+- \t\n\v\f\r") == std::string::npos;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = ToNumber(text);
    ToDateTime(text);
    if (DecimalCharactersOnly(text)) {
        const double expected = std::strtod(text.c_str(), nullptr);
        if (std::memcmp(&value, &expected, sizeof value) != 0)
            __builtin_trap();
    }
    return 0;
}
