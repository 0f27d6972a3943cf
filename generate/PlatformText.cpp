#include "generate/PlatformText.h"

#include "generate/Text.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace corvane::platform {

#ifdef _WIN32

namespace {

bool SystemIsUtf8() {
    return GetACP() == CP_UTF8;
}

// The system's calls measure text with an int: longer text goes to them in pieces that end between
// characters.
constexpr std::size_t LargestPiece = std::size_t{1} << 30;

std::wstring Wide(std::string_view bytes, DWORD flags, bool& valid) {
    std::wstring wide;
    valid = true;
    while (!bytes.empty()) {
        std::size_t size = bytes.size();
        if (size > LargestPiece)
            size = SystemCharacterBoundary(bytes.substr(0, LargestPiece));
        const int length =
            MultiByteToWideChar(CP_ACP, flags, bytes.data(), static_cast<int>(size), nullptr, 0);
        if (length == 0) {
            valid = false;
            return {};
        }
        const std::size_t start = wide.size();
        wide.resize(start + static_cast<std::size_t>(length));
        MultiByteToWideChar(CP_ACP, flags, bytes.data(), static_cast<int>(size), wide.data() + start, length);
        bytes.remove_prefix(size);
    }
    return wide;
}

} // namespace

bool IsSystemText(std::string_view bytes) {
    if (SystemIsUtf8())
        return IsUtf8(bytes);
    bool valid = false;
    Wide(bytes, MB_ERR_INVALID_CHARS, valid);
    return valid;
}

std::size_t SystemCharacterBoundary(std::string_view bytes) {
    if (SystemIsUtf8())
        return Utf8CharacterBoundary(bytes);
    // In a double-byte code page a lead byte at the end waits for its second byte.
    const UINT codePage = GetACP();
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[i]))) {
            if (i + 1 == bytes.size())
                return i;
            i += 2;
        } else {
            ++i;
        }
    }
    return bytes.size();
}

std::u32string DecodeSystemText(std::string_view bytes) {
    if (SystemIsUtf8())
        return DecodeUtf8(bytes);
    bool valid = false;
    const std::wstring wide = Wide(bytes, 0, valid);
    std::u32string text;
    text.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            text.push_back(0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00));
            ++i;
        } else {
            text.push_back(unit);
        }
    }
    return text;
}

std::string EncodeSystemText(std::u32string_view text) {
    if (SystemIsUtf8())
        return EncodeUtf8(text);
    std::wstring wide;
    wide.reserve(text.size());
    for (const char32_t c : text) {
        if (c >= 0x10000) {
            wide.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            wide.push_back(static_cast<wchar_t>(c));
        }
    }
    std::string bytes;
    for (std::size_t start = 0; start < wide.size();) {
        std::size_t size = wide.size() - start;
        if (size > LargestPiece)
            size = wide[start + LargestPiece - 1] >= 0xD800 && wide[start + LargestPiece - 1] <= 0xDBFF
                       ? LargestPiece - 1
                       : LargestPiece;
        const wchar_t* piece = wide.data() + start;
        const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, piece, static_cast<int>(size),
                                               nullptr, 0, nullptr, nullptr);
        const std::size_t end = bytes.size();
        bytes.resize(end + static_cast<std::size_t>(length));
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, piece, static_cast<int>(size), bytes.data() + end,
                            length, nullptr, nullptr);
        start += size;
    }
    return bytes;
}

#else

// Linux and the other systems that Qt 6 runs on take UTF-8 as their 8-bit encoding, whatever the locale.

bool IsSystemText(std::string_view bytes) {
    return IsUtf8(bytes);
}

std::size_t SystemCharacterBoundary(std::string_view bytes) {
    return Utf8CharacterBoundary(bytes);
}

std::u32string DecodeSystemText(std::string_view bytes) {
    return DecodeUtf8(bytes);
}

std::string EncodeSystemText(std::u32string_view text) {
    return EncodeUtf8(text);
}

#endif

} // namespace corvane::platform
