#include "platform/registry.h"

std::string ReadRegistryText(std::int32_t, const std::string&, const std::string& defaultText)
{
    return defaultText;
}

bool WriteRegistryText(std::int32_t, const std::string&, const std::string&)
{
    return false;
}

bool WriteRegistryText(std::int32_t, const std::string&, std::int32_t)
{
    return false;
}

bool WriteRegistryText(std::int32_t, const std::string&, const Bytes&)
{
    return false;
}
