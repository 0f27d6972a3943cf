#include "cli/CorvaneGen.h"

#include "files/ButtonFile.h"
#include "generate/Scrambler.h"
#include "generate/Text.h"
#include "tests/support/SampleButtons.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>

namespace corvane {
namespace {

using test::DataPath;
using test::ReadData;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunWith(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = RunCorvaneGen(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(Html, EachFileInTurnByItsKind) {
    const Outcome run = RunWith({"html", DataPath("cart-full.crv"), DataPath("single-item-full.crv"),
                                 DataPath("subscription-full.crv")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReadData("cart-full.html") + "\n" + ReadData("single-item-full.html") + "\n" +
                           ReadData("subscription-full.html") + "\n");
    EXPECT_EQ(run.err, "");
}

// Encrypt flag of the file, --plain and --encrypt; one scrambler state for the run, from seed 0.
TEST(Html, ScramblingFollowsTheFileUnlessOverridden) {
    test::TempFolder folder;
    SingleItemButton marked = test::FullSingleItem();
    marked.Encrypt = true;
    WriteButtonFile(folder / "marked.crv", marked);
    WriteButtonFile(folder / "plain.crv", test::FullSingleItem());
    const std::string code = GenerateSingleItemCode(test::FullSingleItem());

    FillerGenerator filler;
    const std::string first = EncryptCode(code, filler);
    const std::string second = EncryptCode(code, filler);
    ASSERT_NE(first, second);

    EXPECT_EQ(RunWith({"html", folder / "plain.crv", folder / "marked.crv"}).out, code + "\n" + first + "\n");
    EXPECT_EQ(RunWith({"html", "--plain", folder / "marked.crv"}).out, code + "\n");
    EXPECT_EQ(RunWith({"html", "--encrypt", folder / "plain.crv", folder / "marked.crv"}).out,
              first + "\n" + second + "\n");
}

TEST(Html, UnreadablePictureLineGivesPictureOne) {
    test::TempFolder folder;
    folder.Put("odd.crv", ".cart\r\nme@x\r\n\r\n\r\n\r\n\r\n\r\n07\r\n");
    const Outcome run = RunWith({"html", folder / "odd.crv"});
    EXPECT_NE(run.out.find("src=\"https://www.paypal.com/images/x-click-but22.gif\""), std::string::npos);
}

TEST(Html, StopsAtTheFirstUnreadableFile) {
    const std::string missing = DataPath("no-such-file.crv");
    const Outcome run =
        RunWith({"html", DataPath("cart-full.crv"), missing, DataPath("single-item-full.crv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, ReadData("cart-full.html") + "\n");
    EXPECT_EQ(run.err, "Cannot open file " + missing + ".\n");
}

TEST(Html, DashDashTakesTheRestAsFiles) {
    test::TempFolder folder;
    WriteButtonFile(folder / "--plain", test::FullCart());
    const Outcome run = RunWith({"html", "--", folder / "--plain"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReadData("cart-full.html") + "\n");
}

// An option after the files is refused before anything is written: it used to be taken for a file after
// the code of the files before it had been written.
TEST(Html, OptionAfterTheFilesWritesNothing) {
    const Outcome run = RunWith({"html", DataPath("cart-full.crv"), "--encrypt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "corvane-gen: option --encrypt after a FILE: options come before the files\n"
                       "Try 'corvane-gen --help' for more information.\n");
    // After "--" it is a file name like any other.
    EXPECT_EQ(RunWith({"html", "--", DataPath("cart-full.crv"), "--encrypt"}).err,
              "Cannot open file --encrypt.\n");
}

// Takes `capacity` bytes, then fails every write, as a full disk does.
class FullDisk : public std::streambuf {
public:
    explicit FullDisk(std::size_t capacity) : capacity_(capacity) {}
    std::string written;

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        const std::size_t room = capacity_ - written.size();
        const std::size_t taken = std::min(room, static_cast<std::size_t>(count));
        written.append(bytes, taken);
        return static_cast<std::streamsize>(taken);
    }

private:
    std::size_t capacity_;
};

struct FullDiskCase {
    const char* name;
    std::vector<std::string> arguments;
    std::size_t capacity;
    friend void PrintTo(const FullDiskCase& c, std::ostream* os) { *os << c.name; }
};

class FullDiskTest : public testing::TestWithParam<FullDiskCase> {};

// Every command reports a write that failed; none passes it off as success with the output cut.
TEST_P(FullDiskTest, ReportsTheFailedWrite) {
    FullDisk disk(GetParam().capacity);
    std::ostream out(&disk);
    std::ostringstream err;
    EXPECT_EQ(RunCorvaneGen(GetParam().arguments, out, err), 1);
    EXPECT_EQ(err.str(), "Stream write error.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FullDiskTest,
    testing::Values(FullDiskCase{"HtmlNothingWritten", {"html", DataPath("cart-full.crv")}, 0},
                    FullDiskCase{"HtmlCutInTheFirstCode", {"html", DataPath("cart-full.crv")}, 100},
                    FullDiskCase{"HtmlCutInTheSecondFile",
                                 {"html", DataPath("cart-full.crv"), DataPath("single-item-full.crv")},
                                 ReadData("cart-full.html").size() + 10},
                    FullDiskCase{"HtmlNewlineLost",
                                 {"html", DataPath("cart-full.crv")},
                                 ReadData("cart-full.html").size()},
                    FullDiskCase{"CancelLink", {"cancel-link", "me@example.com"}, 20},
                    FullDiskCase{"CartLink", {"cart-link", "me@example.com"}, 0},
                    FullDiskCase{"Help", {"--help"}, 10}),
    [](const testing::TestParamInfo<FullDiskCase>& info) { return info.param.name; });

// A button file from the Windows program: its letters reach the code in the system's encoding, and the
// scrambled block carries them as character references.
TEST(Html, WindowsFileGivesItsLetters) {
    if (IsSystemText("\xE9"))
        GTEST_SKIP() << "every Windows-1252 file is valid in this system's encoding";
    test::TempFolder folder;
    folder.Put("windows.crv", ".cart\r\nme@example.com\r\nCaf\xE9 cr\xE8me\r\n\r\n9,99 \x80\r\n");
    const std::string plain = RunWith({"html", "--plain", folder / "windows.crv"}).out;
    EXPECT_NE(plain.find("value=\"Caf\xC3\xA9 cr\xC3\xA8me\""), std::string::npos) << plain;
    EXPECT_NE(plain.find("value=\"9,99 \xE2\x82\xAC\""), std::string::npos) << plain;
    FillerGenerator filler;
    EXPECT_EQ(RunWith({"html", "--encrypt", folder / "windows.crv"}).out,
              EncryptCode(WithCharacterReferences(plain.substr(0, plain.size() - 1)), filler) + "\n");
}

TEST(Links, BothLinksEndWithOneNewline) {
    EXPECT_EQ(RunWith({"cancel-link", "a b@x.com"}).out,
              "https://www.paypal.com/cgi-bin/webscr?cmd=_subscr-find&alias=a%20b@x.com\n");
    EXPECT_EQ(RunWith({"cart-link", ""}).out,
              "https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=\n");
}

TEST(Usage, HelpGoesToStandardOutput) {
    const Outcome run = RunWith({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: corvane-gen html [--plain|--encrypt] FILE..."), std::string::npos);
    EXPECT_EQ(run.err, "");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExitsWithTwoAndSaysWhy) {
    const Outcome run = RunWith(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("corvane-gen: ")) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrorTest,
    testing::Values(UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"build"}},
                    UsageCase{"HtmlWithoutFiles", {"html"}},
                    UsageCase{"OptionWithoutFiles", {"html", "--plain"}},
                    UsageCase{"PlainAndEncrypt", {"html", "--plain", "--encrypt", "a.crv"}},
                    UsageCase{"UnknownOption", {"html", "--fast", "a.crv"}},
                    UsageCase{"LinkWithoutEmail", {"cart-link"}},
                    UsageCase{"OptionAfterAFile", {"html", "a.crv", "--encrypt"}},
                    UsageCase{"OptionBetweenFiles", {"html", "a.crv", "--plain", "b.crv"}},
                    UsageCase{"OptionTwice", {"html", "--plain", "--plain", "a.crv"}},
                    UsageCase{"EncryptAndPlain", {"html", "--encrypt", "--plain", "a.crv"}},
                    UsageCase{"LinkWithTwoEmails", {"cancel-link", "a@x", "b@x"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

} // namespace
} // namespace corvane
