#include "files/SafeWrite.h"

#include "files/FileError.h"
#include "files/PlatformFiles.h"

#include <random>

namespace corvane {

namespace {

std::size_t NameStart(const std::string& path) {
#ifdef _WIN32
    const std::size_t separator = path.find_last_of("/\\:");
#else
    const std::size_t separator = path.find_last_of('/');
#endif
    return separator == std::string::npos ? 0 : separator + 1;
}

// A name beside `target` for the new file, hidden where the system hides dot files.
std::string TemporaryNameBeside(const std::string& target) {
    static std::mt19937 random{std::random_device{}()};
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(8, ' ');
    for (char& c : suffix)
        c = letters[random() % (sizeof letters - 1)];
    const std::size_t nameStart = NameStart(target);
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + "." + suffix + ".tmp";
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = platform::ResolveLinks(path);
    const platform::PathKind existing = platform::Inspect(target);
    if (existing == platform::PathKind::ReadOnlyFile || existing == platform::PathKind::NotAFile)
        throw FileError::CannotCreate(path);

    std::string temporary;
    platform::OutputFile file;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryNameBeside(target);
        if (file.CreateNew(temporary))
            break;
        if (platform::Inspect(temporary) == platform::PathKind::Missing) // not a name clash: give up
            throw FileError::CannotCreate(path);
        temporary.clear();
    }
    if (temporary.empty())
        throw FileError::CannotCreate(path);

    const bool written = file.Write(bytes);
    const bool closed = file.SyncAndClose(); // closes after a failed write too, so the file can go
    if (!written || !closed) {
        platform::RemoveFile(temporary);
        throw FileError::StreamWrite();
    }
    if (existing == platform::PathKind::WritableFile)
        platform::CopyPermissions(target, temporary);
    if (!platform::RenameReplacing(temporary, target)) {
        platform::RemoveFile(temporary);
        throw FileError::CannotCreate(path);
    }
}

} // namespace corvane
