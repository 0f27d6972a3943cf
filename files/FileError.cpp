#include "files/FileError.h"

namespace corvane {

FileError FileError::CannotOpen(std::string_view path) {
    return FileError("Cannot open file " + std::string(path));
}

FileError FileError::CannotCreate(std::string_view path) {
    return FileError("Cannot create file " + std::string(path));
}

FileError FileError::StreamWrite() {
    return FileError("Stream write error");
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace corvane
