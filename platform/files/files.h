// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/system/bytes.h"

#include <cstddef>
#include <string>
#include <vector>

// The folder that holds the program's executable, without a trailing "/".
std::string RunDirectory();

// The executable's file name without its folder.
std::string ExecutableName();

// Files larger than this are not read whole: the pictures and sounds the game
// reads are a few megabytes at most.
inline constexpr std::size_t WholeFileLimit = 256 * 1024 * 1024;

// The whole content of a regular file; empty when it is missing, unreadable,
// empty, larger than WholeFileLimit, or no regular file (a FIFO or device
// would block or never end).
Bytes ReadWholeFile(const std::string& fileName);

// Whether anything (a file, a folder, a link to one) is at `path`.
bool PathExists(const std::string& path);
// Whether `path` is a folder or a link to one.
bool FolderExists(const std::string& path);

// Deletes a file (never a folder); true when it was deleted.
bool DeleteFileByName(const std::string& fileName);

// A file search in progress, held by the caller between calls of FindFileName.
struct FileSearch {
    std::vector<std::string> names;
    std::size_t next = 0;
};

// With a pattern ("folder/*.jpg"), starts a new search in `search` and gives
// the first matching file name; with an empty pattern, gives the next one.
// Gives the bare name, or an empty text (and ends the search) when no further
// file matches. "*" and "?" match regardless of letter case, folders are
// skipped, and the names come in byte order.
std::string FindFileName(const std::string& pattern, FileSearch& search);
