#include "generate/Text.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Whether the system's encoding is UTF-8, as on Linux; on Windows it is the ANSI code page.
bool SystemIsUtf8() {
    return EncodeSystemText(U"\u00E9") == "\xC3\xA9";
}

struct CharacterCase {
    unsigned char byte;
    char32_t character;
};

class Windows1252Test : public testing::TestWithParam<CharacterCase> {};

TEST_P(Windows1252Test, ByteStandsForItsCharacter) {
    EXPECT_EQ(Windows1252Character(GetParam().byte), GetParam().character);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Windows1252Test,
    testing::Values(CharacterCase{0x41, U'A'}, CharacterCase{0x7F, 0x7F}, CharacterCase{0x80, U'\u20AC'},
                    CharacterCase{0x82, U'\u201A'}, CharacterCase{0x85, U'\u2026'},
                    CharacterCase{0x8A, U'\u0160'}, CharacterCase{0x92, U'\u2019'},
                    CharacterCase{0x96, U'\u2013'}, CharacterCase{0x99, U'\u2122'},
                    CharacterCase{0x9F, U'\u0178'}, CharacterCase{0xA0, U'\u00A0'},
                    CharacterCase{0xE9, U'\u00E9'}, CharacterCase{0xFF, U'\u00FF'},
                    // The five bytes the code page leaves unused are the control characters of their number.
                    CharacterCase{0x81, 0x81}, CharacterCase{0x8D, 0x8D}, CharacterCase{0x8F, 0x8F},
                    CharacterCase{0x90, 0x90}, CharacterCase{0x9D, 0x9D}),
    [](const testing::TestParamInfo<CharacterCase>& info) {
        char name[8];
        std::snprintf(name, sizeof name, "x%02X", info.param.byte);
        return std::string(name);
    });

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }
};

class Utf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, WellFormedOrNot) {
    EXPECT_EQ(IsUtf8(GetParam().bytes), GetParam().valid);
}

// Cut into two or three pieces anywhere, the text checks as it does whole.
TEST_P(Utf8Test, CheckedInPiecesAsWhole) {
    if (!SystemIsUtf8())
        GTEST_SKIP() << "the system's encoding is not UTF-8";
    const std::string& bytes = GetParam().bytes;
    for (std::size_t first = 0; first <= bytes.size(); ++first) {
        for (std::size_t second = first; second <= bytes.size(); ++second) {
            SystemTextCheck check;
            check.Add(std::string_view(bytes).substr(0, first));
            check.Add(std::string_view(bytes).substr(first, second - first));
            check.Add(std::string_view(bytes).substr(second));
            EXPECT_EQ(check.Finish(), GetParam().valid) << "cut at " << first << " and " << second;
        }
    }
}

const Utf8Case Utf8Cases[] = {
    {"Empty", "", true},
    {"Ascii", "me@example.com", true},
    {"TwoBytes", "caf\xC3\xA9", true},
    {"ThreeBytes", "9,99 \xE2\x82\xAC", true},
    {"FourBytes", "\xF0\x9F\x98\x80!", true},
    {"Highest", "\xF4\x8F\xBF\xBF", true},
    {"Noncharacter", "\xEF\xBF\xBE", true},
    {"ByteOrderMark",
     "\xEF\xBB\xBF"
     "a",
     true},
    {"ReplacementCharacterTyped", "\xEF\xBF\xBD", true},
    {"Windows1252Letter", "caf\xE9", false},
    {"LoneContinuation", "\x80", false},
    {"OverlongNul", "\xC0\x80", false},
    {"OverlongTwoBytes", "\xC1\xBF", false},
    {"OverlongThreeBytes", "\xE0\x9F\xBF", false},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF", false},
    {"Surrogate", "\xED\xA0\x80", false},
    {"AboveTheHighest", "\xF4\x90\x80\x80", false},
    {"LeadByteF5", "\xF5\x80\x80\x80", false},
    {"CutShortAtTheEnd", "ab\xE2\x82", false},
    {"CutShortInside", "\xC3(", false},
    {"FourBytesCutShort", "\xF0\x9F\x98", false},
};

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8Test, testing::ValuesIn(Utf8Cases),
                         [](const testing::TestParamInfo<Utf8Case>& info) { return info.param.name; });

TEST(Utf8, DecodesAndEncodesEveryLength) {
    const std::u32string text = U"a\u00E9\u20AC\U0001F600\U0010FFFF";
    const std::string bytes = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(EncodeUtf8(text), bytes);
    EXPECT_EQ(DecodeUtf8(bytes), text);
}

TEST(TextEncoding, AWindows1252FileReadsAsTyped) {
    EXPECT_EQ(DecodeText("caf\xE9 9,99 \x80", TextEncoding::Windows1252), U"caf\u00E9 9,99 \u20AC");
    if (!SystemIsUtf8())
        GTEST_SKIP() << "the system's encoding is not UTF-8";
    EXPECT_EQ(EncodingOf("caf\xE9"), TextEncoding::Windows1252);
    EXPECT_EQ(EncodingOf("caf\xC3\xA9"), TextEncoding::System);
    EXPECT_EQ(SystemTextFromWindows1252("caf\xE9 9,99 \x80 \x81"), "caf\xC3\xA9 9,99 \xE2\x82\xAC \xC2\x81");
}

// In a double-byte code page a character may be split between two pieces: its lead byte waits for the
// next one. Windows only, with a Japanese code page (scripts/test-windows runs this under one).
TEST(TextEncoding, DoubleByteCharacterSplitBetweenPieces) {
    if (EncodeSystemText(U"\u3042") != "\x82\xA0")
        GTEST_SKIP() << "the system's code page is not Japanese";
    SystemTextCheck split;
    split.Add("a\x82");
    split.Add("\xA0"
              "b");
    EXPECT_TRUE(split.Finish());
    SystemTextCheck cut;
    cut.Add("a\x82");
    EXPECT_FALSE(cut.Finish());
    EXPECT_EQ(DecodeText("\x82\xA0", TextEncoding::System), U"\u3042");
    EXPECT_EQ(SystemTextFromWindows1252("caf\xE9"), "caf?"); // Japanese has no é: the "?" shows it
}

} // namespace
} // namespace corvane
