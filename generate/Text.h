#pragma once

// How the bytes of a text stand for characters. Texts are held as bytes in the system's 8-bit encoding:
// UTF-8 on Linux, whatever the locale, and the ANSI code page on Windows. Button files made by the
// Windows program are in Windows-1252, its code page in the West; a file whose bytes are not valid in the
// system's encoding is read as Windows-1252, so that its accented letters survive on Linux.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

enum class TextEncoding { System, Windows1252 };

// The character of one Windows-1252 byte. 0x80 to 0x9F are the code page's own letters and signs ("€" is
// 0x80); the five bytes it leaves unused (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters
// of the same number, as Windows reads them. Every other byte is the character of the same number.
char32_t Windows1252Character(unsigned char byte);

// Whether `bytes` are well-formed UTF-8: no overlong form, no surrogate, nothing above U+10FFFF, no
// sequence cut short.
bool IsUtf8(std::string_view bytes);

// UTF-8 itself, for the systems whose encoding it is. DecodeUtf8 takes well-formed UTF-8; the length of
// the longest start of `bytes` that does not end inside a character.
std::u32string DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::u32string_view text);
std::size_t Utf8CharacterBoundary(std::string_view bytes);

// Checks text that arrives in pieces against the system's encoding: a character may be split between two
// pieces.
class SystemTextCheck {
public:
    void Add(std::string_view piece);
    // Whether everything added is valid in the system's encoding. Call once, after the last piece.
    bool Finish();

private:
    bool valid_ = true;
    std::string pending_; // the start of a character cut off at the end of the last piece
};

// Whether `bytes` are valid in the system's encoding.
bool IsSystemText(std::string_view bytes);

// The encoding of a text as a whole: the system's when every byte of it is valid there, else
// Windows-1252, in which every byte is a character.
TextEncoding EncodingOf(std::string_view bytes);

// The characters of `bytes` read in `encoding`. System text must be valid (see IsSystemText).
std::u32string DecodeText(std::string_view bytes, TextEncoding encoding);

// The bytes of `text` in the system's encoding. A character that the system's code page lacks (only a
// Windows code page lacks any) becomes "?".
std::string EncodeSystemText(std::u32string_view text);

// Windows-1252 bytes rewritten in the system's encoding.
std::string SystemTextFromWindows1252(std::string_view bytes);

} // namespace corvane
