#include "generate/Scrambler.h"

#include "generate/Text.h"
#include "tests/support/TestData.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr std::string_view SpanOpening =
    "<span oncontextmenu=\"return false;\" ondragstart=\"return false\";>";

// The value of a variable assigned as NAME="..."; in the block.
std::string VariableValue(const std::string& block, const std::string& assignment) {
    const std::size_t start = block.find(assignment);
    if (start == std::string::npos)
        return {};
    const std::size_t valueStart = start + assignment.size();
    return block.substr(valueStart, block.find('"', valueStart) - valueStart);
}

TEST(FillerGenerator, FirstDrawsOfARun) {
    FillerGenerator filler;
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < 10; ++i)
        draws.push_back(filler.Draw(10));
    EXPECT_EQ(draws, (std::vector<std::uint32_t>{0, 0, 8, 2, 2, 6, 3, 1, 3, 4}));
}

TEST(EncryptCode, BlockOfTheEmptyInput) {
    FillerGenerator filler;
    const std::string block = EncryptCode("", filler);
    EXPECT_EQ(block.size(), 831u);
    EXPECT_TRUE(block.starts_with("<script language=javascript>s=\"a3Ca73-70c61c6E"));
    EXPECT_EQ(VariableValue(block, "s=\"").size(), 3 * (SpanOpening.size() + 7));
    EXPECT_TRUE(VariableValue(block, "c=\"").starts_with("74323D22223B"));
    EXPECT_TRUE(VariableValue(block, "eval(unescape(\"").starts_with("%74%3D%22%22%3B"));
    EXPECT_TRUE(block.ends_with(
        "\"));</script><noscript>This order button requires a JavaScript-enabled browser.</noscript>"));
}

TEST(EncryptCode, LengthIsThreeTimesTheInputPlus831) {
    for (const std::size_t size : {1u, 2u, 100u, 4097u}) {
        FillerGenerator filler;
        EXPECT_EQ(EncryptCode(std::string(size, 'x'), filler).size(), 3 * size + 831) << size;
    }
}

TEST(EncryptCode, ValueHoldsOnlyFillersAndUpperCaseHex) {
    FillerGenerator filler;
    const std::string s = VariableValue(EncryptCode("\"\\<>\r\n\x80\xff'", filler), "s=\"");
    ASSERT_FALSE(s.empty());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::string_view allowed = i % 3 == 0 ? "aBcDeF.~-^" : "0123456789ABCDEF";
        EXPECT_NE(allowed.find(s[i]), std::string_view::npos) << "at " << i << ": " << s[i];
    }
}

TEST(EncryptCode, SameInputTwiceDiffersOnlyInFillers) {
    FillerGenerator filler;
    const std::string first = EncryptCode("<form>x</form>", filler);
    const std::string second = EncryptCode("<form>x</form>", filler);
    ASSERT_EQ(first.size(), second.size());
    EXPECT_NE(first, second); // the generator has moved on
    const std::string s1 = VariableValue(first, "s=\""), s2 = VariableValue(second, "s=\"");
    for (std::size_t i = 0; i < s1.size(); ++i) {
        if (i % 3 != 0) {
            EXPECT_EQ(s1[i], s2[i]) << i;
        }
    }
    EXPECT_EQ(first.substr(first.find("\";c=")), second.substr(second.find("\";c=")));
}

TEST(EncryptCode, ProcessWideGeneratorIsShared) {
    FillerGenerator copy = ProcessFillerGenerator();
    EXPECT_EQ(EncryptCode("abc"), EncryptCode("abc", copy));
    EXPECT_EQ(ProcessFillerGenerator().Seed(), copy.Seed());
}

// Runs the block's script in node with a document.write that collects what the page would receive, reads
// the numeric character references in it as a browser does, and returns the characters in UTF-8.
std::string DecodeInNode(const std::string& block) {
#ifndef CORVANE_NODE
    (void)block;
    return {};
#else
    const std::string open = "<script language=javascript>";
    const std::size_t start = block.find(open) + open.size();
    const std::string script = block.substr(start, block.find("</script>") - start);

    const auto folder = std::filesystem::temp_directory_path() /
                        ("corvane-scrambler-" + std::to_string(std::hash<std::string>{}(block)));
    std::filesystem::create_directories(folder);
    const auto js = folder / "block.js";
    const auto out = folder / "written.bin";
    std::ofstream(js, std::ios::binary) << "var written = '';\n"
                                        << "var document = { write: function (t) { written += t; } };\n"
                                        << script << "\n"
                                        << "written = written.replace(/&#([0-9]+);/g, function (m, n) { "
                                           "return String.fromCodePoint(+n); });\n"
                                        << "process.stdout.write(Buffer.from(written, 'utf8'));\n";
    const std::string command =
        std::string("\"") + CORVANE_NODE + "\" \"" + js.string() + "\" > \"" + out.string() + "\"";
    const int status = std::system(command.c_str());
    std::string written =
        status == 0 ? test::ReadBytes(out.string()) : "node failed: " + std::to_string(status);
    std::filesystem::remove_all(folder);
    return written;
#endif
}

// Whether the system's encoding is UTF-8, as on Linux (where these decoding tests run).
bool SystemIsUtf8() {
    return IsSystemText("\xC3\xA9") && !IsSystemText("\xE9");
}

struct DecodeCase {
    const char* name;
    std::string html;
    std::string characters; // what the page receives, in UTF-8
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

class BrowserDecodeTest : public testing::TestWithParam<DecodeCase> {
protected:
    void SetUp() override {
#ifndef CORVANE_NODE
        GTEST_SKIP() << "node was not found when the tests were configured";
#endif
        if (!SystemIsUtf8())
            GTEST_SKIP() << "the expectations are written for a system whose encoding is UTF-8";
    }
};

TEST_P(BrowserDecodeTest, WritesTheCharactersOfTheSpanWrappedInput) {
    FillerGenerator filler;
    filler.Draw(10); // any state decodes alike
    EXPECT_EQ(DecodeInNode(EncryptCode(GetParam().html, filler)),
              std::string(SpanOpening) + GetParam().characters + "</span>");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrowserDecodeTest,
    testing::Values(DecodeCase{"Empty", "", ""},
                    DecodeCase{"QuotesAndBackslash", R"(<form action="x"><input value='a\b'></form>)",
                               R"(<form action="x"><input value='a\b'></form>)"},
                    DecodeCase{"LineBreaks", "line one\r\nline two\nthree\r",
                               "line one\r\nline two\nthree\r"},
                    DecodeCase{"Letters", "Caf\xC3\xA9 cr\xC3\xA8me 9,99 \xE2\x82\xAC \xF0\x9F\x98\x80",
                               "Caf\xC3\xA9 cr\xC3\xA8me 9,99 \xE2\x82\xAC \xF0\x9F\x98\x80"},
                    DecodeCase{"NoBreakSpace",
                               "a\xC2\xA0"
                               "b",
                               "a\xC2\xA0"
                               "b"},
                    DecodeCase{"ControlCharacter",
                               "a\xC2\x85"
                               "b",
                               "a\xC2\x85"
                               "b"},
                    DecodeCase{"Windows1252Bytes", "caf\xE9 \x80\xFF\x7F%41+",
                               "caf\xC3\xA9 \xE2\x82\xAC\xC3\xBF\x7F%41+"},
                    DecodeCase{"WholeForm", test::ReadData("subscription-full.html"),
                               test::ReadData("subscription-full.html")}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

struct ReferenceCase {
    const char* name;
    std::string html;
    std::string referenced;
    friend void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.name; }
};

class CharacterReferenceTest : public testing::TestWithParam<ReferenceCase> {};

TEST_P(CharacterReferenceTest, EveryCharacterOutsideAsciiBecomesAReference) {
    if (!SystemIsUtf8())
        GTEST_SKIP() << "the expectations are written for a system whose encoding is UTF-8";
    EXPECT_EQ(WithCharacterReferences(GetParam().html), GetParam().referenced);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterReferenceTest,
    testing::Values(ReferenceCase{"Ascii", "<input value=\"&quot;x\">", "<input value=\"&quot;x\">"},
                    ReferenceCase{"Letters", "Caf\xC3\xA9 cr\xC3\xA8me", "Caf&#233; cr&#232;me"},
                    ReferenceCase{"Euro", "9,99 \xE2\x82\xAC", "9,99 &#8364;"},
                    ReferenceCase{"BeyondTheBasicPlane", "\xF0\x9F\x98\x80", "&#128512;"},
                    ReferenceCase{"NoBreakSpace", "\xC2\xA0", "&#160;"},
                    // A reference to U+0080..U+009F would be read as a Windows-1252 letter: kept as a byte.
                    ReferenceCase{"ControlCharacter", "\xC2\x85", "\x85"},
                    // Text that is not UTF-8 is Windows-1252, as a file from the Windows program.
                    ReferenceCase{"Windows1252", "caf\xE9 \x80 \x81", "caf&#233; &#8364; \x81"}),
    [](const testing::TestParamInfo<ReferenceCase>& info) { return info.param.name; });

TEST(EncryptCodeNul, EncodingStopsAtTheFirstNulByte) {
    FillerGenerator filler;
    const std::string block = EncryptCode(std::string("ab\0cd", 5), filler);
    EXPECT_EQ(block.size(), 3 * (SpanOpening.size() + 2) + 618);
#ifdef CORVANE_NODE
    EXPECT_EQ(DecodeInNode(block), std::string(SpanOpening) + "ab");
#endif
}

} // namespace
} // namespace corvane
