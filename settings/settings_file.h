#pragma once
#include <string>

// The settings file beside the executable.
std::string SettingsFilePath();
