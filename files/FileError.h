#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

// A file operation that failed. The message is what the user is shown, without its closing full stop
// (see ErrorBoxText).
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static FileError CannotOpen(std::string_view path);
    static FileError CannotCreate(std::string_view path);
    static FileError StreamWrite();
    // A file refused for its size, which is part of the message.
    static FileError TooLarge(std::string_view path, std::uint64_t size);
};

// A size the way a file manager gives it: "4.2 MB", "1.5 GB", "812 bytes".
std::string SizeText(std::uint64_t bytes);

// The text of the error box for a failure's message: a full stop is added when the message's last
// character comes after "." in the character order, so a message ending in a path's letters gets one
// and a message ending in "." or a blank does not.
std::string ErrorBoxText(std::string_view message);

} // namespace corvane
