// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/player_folders.h"

#include "platform/files/files.h"
#include "platform/system/program_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

std::string UserPlace(PlayerFiles kind)
{
    const auto location =
        kind == PlayerFiles::Settings ? QStandardPaths::GenericConfigLocation : QStandardPaths::GenericDataLocation;
    return QStandardPaths::writableLocation(location).toStdString();
}

// How this run keeps its files, decided once.
struct FilePlaces {
    std::string runDirectory = RunDirectory();
    bool installed = IsInstalledIn(runDirectory);
    bool writable = ::access(runDirectory.c_str(), W_OK) == 0;
    bool keptBeside = !installed && writable;
};

const FilePlaces& Places()
{
    static const FilePlaces places;
    return places;
}

}  // namespace

bool IsInstalledIn(const std::string& runDirectory)
{
    const QDir folder(QString::fromStdString(runDirectory));
    if (folder.dirName() != QStringLiteral("bin") && folder.dirName() != QStringLiteral("games"))
        return false;
    const QString entry = QStringLiteral("../share/applications/%1.desktop").arg(QString::fromLatin1(ProgramId()));
    return QFileInfo(folder.filePath(entry)).isFile();
}

std::string ChoosePlayerFolder(const std::string& runDirectory, bool keptBeside, const std::string& userPlace)
{
    if (keptBeside || userPlace.empty())
        return runDirectory;
    return userPlace + "/" + PlayerFolderName;
}

std::string PlayerFolder(PlayerFiles kind)
{
    static const std::string settings =
        ChoosePlayerFolder(Places().runDirectory, Places().keptBeside, UserPlace(PlayerFiles::Settings));
    static const std::string pictures =
        ChoosePlayerFolder(Places().runDirectory, Places().keptBeside, UserPlace(PlayerFiles::Pictures));
    return kind == PlayerFiles::Settings ? settings : pictures;
}

std::string ReadOnlyFolderBeside()
{
    return Places().installed || Places().writable ? std::string() : Places().runDirectory;
}

bool CreateFolderPath(const std::string& folder)
{
    return QDir().mkpath(QString::fromStdString(folder));
}
