// SPDX-License-Identifier: GPL-3.0-or-later
// The GBK conversions on any bytes: every byte string converts, character
// lengths never step past the end, and what came from the file goes back to
// the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/texts/gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = GbkCharLength(bytes, at);
        if (length == 0 || length > 4 || at + length > bytes.size())
            __builtin_trap();
        at += length;
    }
    const std::string text = GbkToUtf8(bytes);
    if (GbkToUtf8(Utf8ToGbk(text)) != text)
        __builtin_trap();
    Utf8ToGbk(bytes);
    return 0;
}
