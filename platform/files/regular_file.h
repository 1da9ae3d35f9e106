// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Reading and replacing small files that must never be lost: only regular
// files are read or replaced, so a FIFO or a device in their place can
// neither hang the program nor be read without end.

enum class FileState {
    Missing,     // no such file
    NotRegular,  // a folder, FIFO, device or socket
    TooLarge,    // larger than the limit asked for
    Unreadable,  // present but refused or failing
    Read,
};

struct FileContent {
    FileState state = FileState::Missing;
    std::string bytes;
};

// The content of `path` (links followed) when it is a regular file of at most
// `limit` bytes.
FileContent ReadRegularFile(const std::string& path, std::size_t limit);

// Replaces the content of the regular file `path`, or creates it.
// The new content goes to a temporary file beside it, which is synced and
// renamed over the old one, so a crash or a full disk never leaves a partial
// file. Where no file can be made in the folder but the file itself is
// writable, the file is written in place instead, with the space it needs
// claimed first. Leftover temporary files of earlier, interrupted writes are
// removed. On failure the old content stays as it was and false is returned.
bool ReplaceFileContent(const std::string& path, std::string_view bytes);

// Moves whatever is at `path` (a file, a FIFO, a link itself rather than what
// it names) to `aside`, replacing a file there; true when it was moved.
bool SetFileAside(const std::string& path, const std::string& aside);
