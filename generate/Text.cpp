#include "generate/Text.h"

#include "generate/PlatformText.h"

#include <array>

namespace corvane {

namespace {

// The characters of Windows-1252 0x80 to 0x9F; the unused bytes stand for themselves.
constexpr std::array<char32_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The length of the UTF-8 sequence that `lead` starts, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0; // a continuation byte, or a lead byte that only overlong or too large forms use
}

// The range the second byte of a sequence must lie in: it shuts out overlong forms, surrogates and
// everything above U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return second >= 0x80 && second <= 0xBF;
    }
}

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

} // namespace

char32_t Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80] : char32_t{byte};
}

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(lead);
        if (length == 0 || bytes.size() - i < length ||
            !SecondByteFits(lead, static_cast<unsigned char>(bytes[i + 1])))
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if (!IsContinuation(static_cast<unsigned char>(bytes[i + k])))
                return false;
        i += length;
    }
    return true;
}

std::size_t Utf8CharacterBoundary(std::string_view bytes) {
    // Only the last three bytes can belong to a character that goes on in the next piece.
    const std::size_t lookBack = bytes.size() < 3 ? bytes.size() : 3;
    for (std::size_t back = 1; back <= lookBack; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (IsContinuation(byte))
            continue;
        const std::size_t length = SequenceLength(byte);
        return length > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

std::u32string DecodeUtf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = SequenceLength(lead);
        if (length <= 1 || bytes.size() - i < length) { // not UTF-8: taken byte by byte
            text.push_back(lead);
            ++i;
            continue;
        }
        char32_t c = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        text.push_back(c);
        i += length;
    }
    return text;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return bytes;
}

void SystemTextCheck::Add(std::string_view piece) {
    if (!valid_ || piece.empty())
        return;
    std::string joined;
    if (!pending_.empty()) {
        joined = pending_ + std::string(piece);
        piece = joined;
    }
    const std::size_t boundary = platform::SystemCharacterBoundary(piece);
    valid_ = platform::IsSystemText(piece.substr(0, boundary));
    pending_.assign(piece.substr(boundary));
}

bool SystemTextCheck::Finish() {
    // A character still open at the end is cut short.
    return valid_ && (pending_.empty() || platform::IsSystemText(pending_));
}

bool IsSystemText(std::string_view bytes) {
    return platform::IsSystemText(bytes);
}

TextEncoding EncodingOf(std::string_view bytes) {
    return IsSystemText(bytes) ? TextEncoding::System : TextEncoding::Windows1252;
}

std::u32string DecodeText(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::System)
        return platform::DecodeSystemText(bytes);
    std::u32string text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.push_back(Windows1252Character(static_cast<unsigned char>(c)));
    return text;
}

std::string EncodeSystemText(std::u32string_view text) {
    return platform::EncodeSystemText(text);
}

std::string SystemTextFromWindows1252(std::string_view bytes) {
    return EncodeSystemText(DecodeText(bytes, TextEncoding::Windows1252));
}

} // namespace corvane
