// SPDX-License-Identifier: GPL-3.0-or-later
// The profile reader and writer on any file content and any names, in a
// folder of their own. The input is split at its first three zero bytes into
// the file name, the section, the key and the file's bytes; the key's value
// is then written and read back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/files/profile.h"

namespace {
// A folder of its own under $TMPDIR (fuzz/run-one points it at memory, as
// each write syncs its file).
const std::string& Folder()
{
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/profile_fuzzer.XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    return folder;
}

// The next part of the input up to a zero byte (or its end).
std::string Take(std::string_view& rest)
{
    const std::size_t zero = rest.find('\0');
    const std::string part(rest.substr(0, zero));
    rest.remove_prefix(zero == std::string_view::npos ? rest.size() : zero + 1);
    return part;
}

// A file name inside the folder: no separators, never "." or "..".
std::string FileName(std::string name)
{
    for (char& c : name)
        if (c == '/')
            c = '_';
    return Folder() + "/f" + name.substr(0, 200);
}

// Names and values that a write must give back unchanged on the next read.
bool Plain(const std::string& text)
{
    if (text.empty() || text.size() > 64)
        return false;
    for (const char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string file = FileName(Take(rest));
    const std::string section = Take(rest);
    const std::string key = Take(rest);
    const std::string content(rest);

    if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(content.data(), 1, content.size(), out);
        std::fclose(out);
    }
    const std::string before = ReadProfileText(file, section, key, "default");
    if (before.size() > ProfileValueLimit && before != "default")
        __builtin_trap();
    const std::string value = "v" + key;
    if (WriteProfileText(file, section, key, value) && Plain(section) && Plain(key) &&
        ReadProfileText(file, section, key) != value)
        __builtin_trap();
    WriteProfileText(file, section, std::nullopt, std::nullopt);
    std::remove(file.c_str());
    return 0;
}
