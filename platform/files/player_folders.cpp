// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/player_folders.h"

#include "platform/files/files.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace {

std::string UserPlace(PlayerFiles kind)
{
    const auto location =
        kind == PlayerFiles::Settings ? QStandardPaths::GenericConfigLocation : QStandardPaths::GenericDataLocation;
    return QStandardPaths::writableLocation(location).toStdString();
}

}  // namespace

std::string ChoosePlayerFolder(const std::string& runDirectory, bool runDirectoryWritable, const std::string& userPlace)
{
    if (runDirectoryWritable || userPlace.empty())
        return runDirectory;
    return userPlace + "/" + PlayerFolderName;
}

std::string PlayerFolder(PlayerFiles kind)
{
    static const std::string run = RunDirectory();
    static const bool writable = ::access(run.c_str(), W_OK) == 0;
    static const std::string settings = ChoosePlayerFolder(run, writable, UserPlace(PlayerFiles::Settings));
    static const std::string pictures = ChoosePlayerFolder(run, writable, UserPlace(PlayerFiles::Pictures));
    return kind == PlayerFiles::Settings ? settings : pictures;
}

bool CreateFolderPath(const std::string& folder)
{
    return QDir().mkpath(QString::fromStdString(folder));
}
