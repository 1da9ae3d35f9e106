#pragma once
#include "platform/bytes.h"

#include <cstdint>
#include <string>

// The Windows registry. This platform has none: a read gives the default and
// a write stores nothing and gives false. Root numbers: 1 classes root,
// 2 current config, 3 current user, 4 local machine, 5 users; the path ends
// with the value name after its last backslash.
std::string ReadRegistryText(std::int32_t root, const std::string& path, const std::string& defaultText);
bool WriteRegistryText(std::int32_t root, const std::string& path, const std::string& value);
bool WriteRegistryText(std::int32_t root, const std::string& path, std::int32_t value);
bool WriteRegistryText(std::int32_t root, const std::string& path, const Bytes& value);
