#include "files/PlatformFiles.h"

#include <cstdio>
#include <memory>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#ifndef NOMINMAX
#define NOMINMAX // keeps std::min and std::max usable after windows.h
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane::platform {

#ifdef _WIN32

InputFile::~InputFile() {
    if (fd_ >= 0)
        _close(fd_);
}

bool InputFile::Open(const std::string& path) {
    fd_ = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd_ < 0)
        return false;
    struct _stat64 status {};
    if (_fstat64(fd_, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)
        return false;
    size_ = static_cast<std::uint64_t>(status.st_size);
    return true;
}

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t size) {
    const unsigned chunk = size > 1u << 30 ? 1u << 30 : static_cast<unsigned>(size);
    const int got = _read(fd_, buffer, chunk);
    if (got < 0)
        return std::nullopt;
    return static_cast<std::size_t>(got);
}

PathKind Inspect(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return PathKind::NotAFile;
    return (attributes & FILE_ATTRIBUTE_READONLY) ? PathKind::ReadOnlyFile : PathKind::WritableFile;
}

bool IsSymbolicLink(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::string ResolveLinks(const std::string& path) {
    return path;
}

namespace {
// Bytes unchanged, and _O_NOINHERIT as O_CLOEXEC elsewhere: a program started meanwhile must not keep the
// file open.
constexpr int OutputFlags = _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT;
} // namespace

OutputFile::~OutputFile() {
    if (fd_ >= 0)
        _close(fd_);
}

bool OutputFile::CreateNew(const std::string& path) {
    fd_ = _open(path.c_str(), OutputFlags | _O_EXCL, _S_IREAD | _S_IWRITE);
    return fd_ >= 0;
}

bool OutputFile::CreateOrTruncate(const std::string& path) {
    if (IsSymbolicLink(path))
        return false;
    fd_ = _open(path.c_str(), OutputFlags | _O_TRUNC, _S_IREAD | _S_IWRITE);
    return fd_ >= 0;
}

bool OutputFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<unsigned>(bytes.size());
        const int written = _write(fd_, bytes.data(), chunk);
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool OutputFile::SyncAndClose() {
    const bool synced = _commit(fd_) == 0;
    const bool closed = _close(fd_) == 0;
    fd_ = -1;
    return synced && closed;
}

void CopyPermissions(const std::string& from, const std::string& to) {
    const DWORD attributes = GetFileAttributesA(from.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(to.c_str(), attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
}

bool RenameReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

void UseBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

#else

InputFile::~InputFile() {
    if (fd_ >= 0)
        close(fd_);
}

bool InputFile::Open(const std::string& path) {
    // Non-blocking, so that opening a pipe that nobody writes to returns at once.
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    struct stat status {};
    if (fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    size_ = static_cast<std::uint64_t>(status.st_size);
    return true;
}

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = read(fd_, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return std::nullopt;
    }
}

PathKind Inspect(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return PathKind::Missing;
    if (!S_ISREG(status.st_mode))
        return PathKind::NotAFile;
    // The owner's write bit, not access(): a file marked read-only stays so for root too.
    return (status.st_mode & S_IWUSR) ? PathKind::WritableFile : PathKind::ReadOnlyFile;
}

bool IsSymbolicLink(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

std::string ResolveLinks(const std::string& path) {
    if (!IsSymbolicLink(path))
        return path;
    const std::unique_ptr<char, void (*)(void*)> resolved(realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

OutputFile::~OutputFile() {
    if (fd_ >= 0)
        close(fd_);
}

bool OutputFile::CreateNew(const std::string& path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

bool OutputFile::CreateOrTruncate(const std::string& path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

bool OutputFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool OutputFile::SyncAndClose() {
    const bool synced = fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    return synced && closed;
}

void CopyPermissions(const std::string& from, const std::string& to) {
    struct stat status {};
    if (stat(from.c_str(), &status) == 0)
        chmod(to.c_str(), status.st_mode & 07777);
}

bool RenameReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) {
    unlink(path.c_str()); // remove() would take an empty folder as well
}

void UseBinaryStandardOutput() {}

#endif

} // namespace corvane::platform
