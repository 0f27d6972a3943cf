#pragma once

// The system's 8-bit encoding: UTF-8 on Linux, the ANSI code page on Windows. Only this unit of the core
// asks the system about it.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::platform {

// Whether `bytes` are valid in the system's encoding.
bool IsSystemText(std::string_view bytes);

// The length of the longest start of `bytes` that does not end inside a character.
std::size_t SystemCharacterBoundary(std::string_view bytes);

// The characters of valid system text.
std::u32string DecodeSystemText(std::string_view bytes);

// `text` in the system's encoding; "?" for a character it lacks.
std::string EncodeSystemText(std::u32string_view text);

} // namespace corvane::platform
