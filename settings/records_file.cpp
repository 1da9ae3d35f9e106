// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records_file.h"

#include "core/records_text.h"
#include "platform/files/player_folders.h"
#include "platform/files/regular_file.h"

namespace {
constexpr const char* RecordsFileName = "records.ini";
constexpr const char* AsideSuffix = ".bad";
// Far more boards than anyone plays fit in this; a larger file is no records file.
constexpr std::size_t RecordsSizeLimit = 1024 * 1024;

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.rfind('/'));
}
}  // namespace

RecordTable RecordsFile::Load()
{
    const FileContent content = ReadRegularFile(path_, RecordsSizeLimit);
    if (content.state == FileState::Missing)
        return {};
    ReadRecords read;
    if (content.state == FileState::Read)
        read = ParseRecords(content.bytes);
    else
        read.Damaged = true;
    // What was read goes on in a file of its own; the rest stays aside for the player to see.
    if (read.Damaged && SetFileAside(path_, path_ + AsideSuffix) && !read.Table.empty())
        Save(read.Table);
    return read.Table;
}

bool RecordsFile::Save(const RecordTable& table)
{
    CreateFolderPath(FolderOf(path_));
    return ReplaceFileContent(path_, RecordsText(table));
}

std::string RecordsFilePath()
{
    return PlayerFolder(PlayerFiles::Records) + "/" + RecordsFileName;
}
