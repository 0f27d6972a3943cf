#include "files/FileError.h"

#include <iterator>

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

FileError FileError::TooLarge(std::string_view path, std::uint64_t size) {
    return FileError(std::string(path) + " (" + SizeText(size) + ") is too large to be a button file.");
}

std::string SizeText(std::uint64_t bytes) {
    if (bytes < 1000)
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    // In tenths of the largest unit that leaves at least 1, rounded half up.
    static constexpr const char* Units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    std::uint64_t unit = 1000;
    std::size_t index = 0;
    const auto tenths = [&] { return bytes / unit * 10 + (bytes % unit * 10 + unit / 2) / unit; };
    while (index + 1 < std::size(Units) && tenths() >= 10000) { // "1000.0 KB" reads as "1.0 MB"
        unit *= 1000;
        ++index;
    }
    const std::uint64_t rounded = tenths();
    return std::to_string(rounded / 10) + "." + std::to_string(rounded % 10) + " " + Units[index];
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace corvane
