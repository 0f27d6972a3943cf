#pragma once

// The few file operations that the standard library does not offer in the form needed here. Paths are
// byte strings in the system's 8-bit encoding, passed to the system unchanged.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

// A regular file open for reading, closed by the destructor.
class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // Opens the file at `path`; false when it cannot be opened or is no regular file (a folder, a pipe or
    // a device, which could block or never end).
    bool Open(const std::string& path);
    // The file's size when it was opened.
    std::uint64_t Size() const { return size_; }
    // Reads up to `size` bytes into `buffer`: how many, 0 at the end, nothing on a failure.
    std::optional<std::size_t> Read(char* buffer, std::size_t size);

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// What stands at a path, symbolic links followed.
enum class PathKind { Missing, WritableFile, ReadOnlyFile, NotAFile };
PathKind Inspect(const std::string& path);

// Whether a symbolic link stands at `path` itself.
bool IsSymbolicLink(const std::string& path);

// The path of the file that a chain of symbolic links at `path` ends at, or `path` itself.
std::string ResolveLinks(const std::string& path);

// A file open for writing, closed by the destructor if not before.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Creates a new file; fails when anything stands at `path` already.
    bool CreateNew(const std::string& path);
    // Creates the file or empties the one there; fails on a symbolic link instead of following it.
    bool CreateOrTruncate(const std::string& path);
    // Writes all of `bytes`; false on any failure, a full disk included.
    bool Write(std::string_view bytes);
    // Puts what was written on the disk and closes the file.
    bool SyncAndClose();

private:
    int fd_ = -1;
};

// Gives `to` the permissions of `from`, as far as the system has them.
void CopyPermissions(const std::string& from, const std::string& to);

// Renames `from` to `to` in one step, replacing a file at `to`.
bool RenameReplacing(const std::string& from, const std::string& to);

// Deletes a file, never a folder; a failure is ignored.
void RemoveFile(const std::string& path);

// Makes standard output pass bytes unchanged, "\n" included, where the system would translate them.
void UseBinaryStandardOutput();

} // namespace corvane::platform
