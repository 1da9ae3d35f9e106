// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/gbk.h"

#include <iconv.h>
#include <cerrno>
#include <optional>

namespace {

// Converts with iconv; every byte the source encoding rejects, and an
// incomplete character at the end, is replaced by `replacement`. Nothing when
// the conversion cannot be opened (its modules missing, no file descriptors).
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input,
                                   std::string_view replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string output;

    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL: mark the spot and go on after the bad byte.
            output += replacement;
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return output;
}

bool InRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

}  // namespace

std::optional<std::string> TryUtf8ToGbk(std::string_view text)
{
    return Convert("GB18030", "UTF-8", text, "?");
}

std::optional<std::string> TryGbkToUtf8(std::string_view bytes)
{
    return Convert("UTF-8", "GB18030", bytes, "\xEF\xBF\xBD");
}

std::string Utf8ToGbk(std::string_view text)
{
    return TryUtf8ToGbk(text).value_or(std::string());
}

std::string GbkToUtf8(std::string_view bytes)
{
    return TryGbkToUtf8(bytes).value_or(std::string());
}

std::size_t GbkCharLength(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; };
    if (!InRange(byte(at), 0x81, 0xFE))
        return 1;
    const unsigned char second = byte(at + 1);
    if (InRange(second, 0x30, 0x39))
        return InRange(byte(at + 2), 0x81, 0xFE) && InRange(byte(at + 3), 0x30, 0x39) ? 4 : 1;
    return InRange(second, 0x40, 0xFE) && second != 0x7F ? 2 : 1;
}
