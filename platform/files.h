#pragma once
#include "platform/bytes.h"

#include <cstddef>
#include <string>
#include <vector>

// The folder that holds the program's executable, without a trailing "/".
std::string RunDirectory();

// The executable's file name without its folder.
std::string ExecutableName();

// The whole content of a file; empty when it is missing, unreadable or empty.
Bytes ReadWholeFile(const std::string& fileName);

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
