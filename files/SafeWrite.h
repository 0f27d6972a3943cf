#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Replaces the content of the file at `path` with `bytes`, or creates it. The bytes go to a new file in
// the same folder, which is put on the disk and then renamed over the target in one step: a failure at
// any point leaves the old file as it was and no new file behind. A symbolic link at `path` is kept and
// the file it leads to is replaced.
//
// Throws FileError: "Cannot create file PATH" when the new file cannot be made, the target is read-only
// or not a file, or the rename fails; "Stream write error" when the bytes cannot be written in full.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace corvane
