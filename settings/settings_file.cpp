#include "settings/settings_file.h"

#include "platform/files.h"

std::string SettingsFilePath()
{
    return RunDirectory() + "/Korvel·汉诺塔.ini";
}
