// SPDX-License-Identifier: GPL-3.0-or-later
// The records file's reader on any text. What it reads, written again, must
// read back whole and undamaged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/records_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ReadRecords read = ParseRecords(std::string_view(reinterpret_cast<const char*>(data), size));
    const ReadRecords again = ParseRecords(RecordsText(read.Table));
    if (again.Damaged || again.Table != read.Table)
        __builtin_trap();
    return 0;
}
