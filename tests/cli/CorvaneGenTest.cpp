#include "cli/CorvaneGen.h"

#include "files/ButtonFile.h"
#include "generate/Scrambler.h"
#include "tests/support/SampleButtons.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>
#include <sstream>

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

INSTANTIATE_TEST_SUITE_P(Arguments, UsageErrorTest,
                         testing::Values(UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"build"}},
                                         UsageCase{"HtmlWithoutFiles", {"html"}},
                                         UsageCase{"OptionWithoutFiles", {"html", "--plain"}},
                                         UsageCase{"PlainAndEncrypt",
                                                   {"html", "--plain", "--encrypt", "a.crv"}},
                                         UsageCase{"UnknownOption", {"html", "--fast", "a.crv"}},
                                         UsageCase{"LinkWithoutEmail", {"cart-link"}},
                                         UsageCase{"LinkWithTwoEmails", {"cancel-link", "a@x", "b@x"}}),
                         [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

} // namespace
} // namespace corvane
