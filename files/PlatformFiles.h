#pragma once

// The few file operations that the standard library does not offer in the form needed here. Paths are
// byte strings in the system's 8-bit encoding, passed to the system unchanged.

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

// The whole content of the regular file at `path`; nothing when it cannot be opened or read, when it is
// no regular file (a folder, a pipe or a device, which could block or never end), or when it holds more
// than `maxBytes`.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

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

// Deletes a file; a failure is ignored.
void RemoveFile(const std::string& path);

// Makes standard output pass bytes unchanged, "\n" included, where the system would translate them.
void UseBinaryStandardOutput();

} // namespace corvane::platform
