#pragma once

// Wraps a button's HTML into a self-decoding script block, so that the form's values do not stand
// readable in the page's source. There is no key: the block carries everything needed to decode it. It
// hides the values from casual view only; anyone can run the block and read them.

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The filler characters of the block are drawn from this generator. Its seed starts at 0 and is never
// reseeded, so that every run of the program scrambles the same way.
class FillerGenerator {
public:
    // A number from 0 to bound - 1.
    std::uint32_t Draw(std::uint32_t bound) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{bound} * seed_) >> 32);
    }
    std::uint32_t Seed() const { return seed_; }

private:
    std::uint32_t seed_ = 0;
};

// The generator that the program's pages share for its whole run.
FillerGenerator& ProcessFillerGenerator();

// `html` with every character outside ASCII written as a decimal numeric character reference ("&#233;"
// for "é"), which the browser reads alike in attribute values and in text. `html` is text in the system's
// encoding, or Windows-1252 where it is not valid there. The control characters U+0080 to U+009F stay one
// byte each: a reference to one of them would be read as the Windows-1252 letter of that number.
std::string WithCharacterReferences(std::string_view html);

// The script block of `html`, advancing `filler` by one draw per encoded byte. The block writes each byte
// into the page as the character of that number, so the html's characters outside ASCII go in as
// references (WithCharacterReferences); html that is ASCII throughout is encoded byte for byte. Encoding
// stops at the first NUL byte of the span-wrapped text.
std::string EncryptCode(std::string_view html, FillerGenerator& filler);

// The same with the process-wide generator.
std::string EncryptCode(std::string_view html);

} // namespace corvane
