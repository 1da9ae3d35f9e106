// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/regular_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// The temporary file of a write is the file's name + "." + this many letters
// and digits.
constexpr std::size_t TemporarySuffixLength = 6;
constexpr std::string_view SuffixAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and tells whether the close reported an error.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
        offset += written;
    }
    return true;
}

bool IsTemporaryName(std::string_view entry, std::string_view name)
{
    if (entry.size() != name.size() + 1 + TemporarySuffixLength || !entry.starts_with(name) ||
        entry[name.size()] != '.')
        return false;
    return entry.substr(name.size() + 1).find_first_not_of(SuffixAlphabet) == std::string_view::npos;
}

// Temporary files of our own naming beside the file, left by a write that was
// killed between creating and renaming them.
void RemoveLeftovers(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, name))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// A new temporary file beside `path`, or an invalid descriptor.
FileDescriptor CreateTemporary(const std::string& path, std::string& temporaryPath)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, SuffixAlphabet.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + ".";
        for (std::size_t i = 0; i < TemporarySuffixLength; ++i)
            temporaryPath += SuffixAlphabet[pick(random)];
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return FileDescriptor(fd);
    }
    return FileDescriptor(-1);
}

// Makes the folder's entry for a renamed file durable; a failure here cannot
// undo the rename and is not reported.
void SyncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

bool ReplaceThroughTemporary(FileDescriptor& temporary, const std::string& temporaryPath, const std::string& path,
                             std::string_view bytes, const struct stat* old)
{
    const bool written = (!old || ::fchmod(temporary.get(), old->st_mode & 07777) == 0) &&
                         WriteAll(temporary.get(), bytes, 0) && ::fsync(temporary.get()) == 0 && temporary.Close() &&
                         ::rename(temporaryPath.c_str(), path.c_str()) == 0;
    if (!written) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

// Writes over the file itself. A longer content first claims its extra space
// past the old end, so a full disk fails before any old byte is touched.
bool ReplaceInPlace(const std::string& path, std::string_view bytes)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const std::size_t oldSize = std::size_t(info.st_size);
    if (bytes.size() > oldSize) {
        if (!WriteAll(file.get(), bytes.substr(oldSize), off_t(oldSize)) || ::fsync(file.get()) != 0) {
            ::ftruncate(file.get(), off_t(oldSize));
            return false;
        }
    }
    return WriteAll(file.get(), bytes.substr(0, std::min(oldSize, bytes.size())), 0) &&
           ::ftruncate(file.get(), off_t(bytes.size())) == 0 && ::fsync(file.get()) == 0 && file.Close();
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, std::size_t limit)
{
    FileContent content;
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        content.state = errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unreadable;
        return content;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        content.state = FileState::Unreadable;
        return content;
    }
    if (!S_ISREG(info.st_mode)) {
        content.state = FileState::NotRegular;
        return content;
    }
    if (std::size_t(info.st_size) > limit) {
        content.state = FileState::TooLarge;
        return content;
    }
    // The file may grow while it is read; one byte past the limit tells.
    constexpr std::size_t Chunk = 64 * 1024;
    for (;;) {
        const std::size_t filled = content.bytes.size();
        content.bytes.resize(filled + Chunk);
        const ssize_t got = ::read(file.get(), content.bytes.data() + filled, Chunk);
        content.bytes.resize(filled + std::size_t(std::max<ssize_t>(got, 0)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {FileState::Unreadable, {}};
        if (content.bytes.size() > limit)
            return {FileState::TooLarge, {}};
        if (got == 0)
            break;
    }
    content.state = FileState::Read;
    return content;
}

bool ReplaceFileContent(const std::string& link, std::string_view bytes)
{
    // A link is followed, so that the file it names is replaced, not the link.
    char* resolved = ::realpath(link.c_str(), nullptr);
    const std::string path = resolved ? resolved : link;
    std::free(resolved);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    if (!exists && errno != ENOENT)
        return false;

    RemoveLeftovers(FolderOf(path), NameOf(path));
    std::string temporaryPath;
    FileDescriptor temporary = CreateTemporary(path, temporaryPath);
    if (temporary.valid())
        return ReplaceThroughTemporary(temporary, temporaryPath, path, bytes, exists ? &old : nullptr);
    return exists && ReplaceInPlace(path, bytes);
}

bool SetFileAside(const std::string& path, const std::string& aside)
{
    return ::rename(path.c_str(), aside.c_str()) == 0;
}
