#include "files/ButtonFile.h"

#include "files/FileError.h"
#include "tests/support/SampleButtons.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

#include <functional>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace corvane {
namespace {

using test::ReadBytes;
using test::TempFolder;

// The files of the three pages as they start, byte for byte, written to disk.
struct DefaultFileCase {
    const char* name;
    std::function<void(const std::string&)> write;
    std::string bytes;
    friend void PrintTo(const DefaultFileCase& c, std::ostream* os) { *os << c.name; }
};

class DefaultFileTest : public testing::TestWithParam<DefaultFileCase> {};

TEST_P(DefaultFileTest, ByteForByte) {
    TempFolder folder;
    GetParam().write(folder / "button.crv");
    EXPECT_EQ(ReadBytes(folder / "button.crv"), GetParam().bytes);
}

SubscriptionButton ClearedSubscription() {
    SubscriptionButton cleared; // Clear leaves the unit lists with no entry selected
    cleared.Trial1Unit = cleared.Trial2Unit = cleared.RegularUnit = -1;
    return cleared;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DefaultFileTest,
    testing::Values(
        DefaultFileCase{"SingleItem34Bytes",
                        [](const std::string& path) { WriteButtonFile(path, SingleItemButton{}); },
                        "\r\n\r\n\r\n\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n0\r\n\r\n1\r\n0\r\n"},
        DefaultFileCase{"Subscription62Bytes",
                        [](const std::string& path) { WriteButtonFile(path, SubscriptionButton{}); },
                        ".subscription\r\n\r\n\r\n\r\n\r\n\r\n0\r\n\r\n\r\n0\r\n\r\n\r\n0\r\n0\r\n\r\n1\r\n\r"
                        "\n\r\n1\r\n\r\n0\r\n"},
        DefaultFileCase{"SubscriptionAfterClear",
                        [](const std::string& path) { WriteButtonFile(path, ClearedSubscription()); },
                        ".subscription\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n\r\n\r\n-1\r\n\r\n\r\n-"
                        "1\r\n0\r\n\r\n1\r\n\r\n\r\n1\r\n\r\n0\r\n"},
        DefaultFileCase{"Cart38Bytes", [](const std::string& path) { WriteButtonFile(path, CartButton{}); },
                        ".cart\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n\r\n1\r\n0\r\n"}),
    [](const testing::TestParamInfo<DefaultFileCase>& info) { return info.param.name; });

// The sizes stated for the three default files, as a check of the expectations above.
TEST(DefaultFiles, SizesOfThePagesFiles) {
    EXPECT_EQ(ButtonFileBytes(SingleItemButton{}).size(), 34u);
    EXPECT_EQ(ButtonFileBytes(SubscriptionButton{}).size(), 62u);
    EXPECT_EQ(ButtonFileBytes(CartButton{}).size(), 38u);
}

TEST(Writing, FullRecordsMatchTheSampleFiles) {
    EXPECT_EQ(ButtonFileBytes(test::FullSingleItem()), test::ReadData("single-item-full.crv"));
    EXPECT_EQ(ButtonFileBytes(test::FullSubscription()), test::ReadData("subscription-full.crv"));
    EXPECT_EQ(ButtonFileBytes(test::FullCart()), test::ReadData("cart-full.crv"));
}

TEST(Writing, PictureOutsideTheKindIsAnEmptyLine) {
    SingleItemButton none;
    none.ImageChoice = 0;
    EXPECT_EQ(ButtonFileLines::FromBytes(ButtonFileBytes(none)).Line(7), "");
    CartButton beyond;
    beyond.ImageChoice = 7;
    EXPECT_EQ(ButtonFileLines::FromBytes(ButtonFileBytes(beyond)).Line(8), "");
}

// Writes `button` to `path`, reads it back, and expects the same kind and record.
template <typename Button>
void ExpectRoundTrip(const std::string& path, const Button& button, ButtonKind kind,
                     Button (*decode)(const ButtonFileLines&)) {
    WriteButtonFile(path, button);
    const ButtonFileLines lines = ReadButtonFile(path);
    EXPECT_EQ(ButtonFileKind(lines), kind);
    EXPECT_EQ(decode(lines), button);
}

// Every field survives a save and a load, blanks at either end and values far over 4096 bytes included.
TEST(RoundTrip, EveryFieldOfEveryKind) {
    TempFolder folder;
    const std::string longText = " " + std::string(5000, 'w') + "caf\xC3\xA9 ";

    SingleItemButton single = test::FullSingleItem();
    single.Name = longText;
    single.ImageChoice = 9;
    single.Encrypt = true;
    ExpectRoundTrip(folder / "single.crv", single, ButtonKind::SingleItem, &DecodeSingleItem);

    SubscriptionButton subscription = test::FullSubscription();
    subscription.Number = longText;
    subscription.Trial1Unit = -1;
    subscription.Trial2Unit = 0;
    subscription.RegularUnit = 4;
    subscription.Encrypt = true;
    ExpectRoundTrip(folder / "subscription.crv", subscription, ButtonKind::Subscription, &DecodeSubscription);

    CartButton cart = test::FullCart();
    cart.NoteTitle = longText;
    cart.PageColour = PageColour::White;
    cart.Encrypt = true;
    ExpectRoundTrip(folder / "cart.crv", cart, ButtonKind::Cart, &DecodeCart);

    // The defaults too, White and the flags clear.
    EXPECT_EQ(DecodeSingleItem(ButtonFileLines::FromBytes(ButtonFileBytes(SingleItemButton{}))),
              SingleItemButton{});
    EXPECT_EQ(DecodeSubscription(ButtonFileLines::FromBytes(ButtonFileBytes(SubscriptionButton{}))),
              SubscriptionButton{});
    EXPECT_EQ(DecodeCart(ButtonFileLines::FromBytes(ButtonFileBytes(CartButton{}))), CartButton{});
}

TEST(RoundTrip, SampleFilesDecodeToTheFullRecords) {
    EXPECT_EQ(DecodeSingleItem(ReadButtonFile(test::DataPath("single-item-full.crv"))),
              test::FullSingleItem());
    EXPECT_EQ(DecodeSubscription(ReadButtonFile(test::DataPath("subscription-full.crv"))),
              test::FullSubscription());
    EXPECT_EQ(DecodeCart(ReadButtonFile(test::DataPath("cart-full.crv"))), test::FullCart());
}

// How bytes are cut into lines.
struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class LineSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitTest, Lines) {
    const ButtonFileLines lines = ButtonFileLines::FromBytes(GetParam().bytes);
    std::vector<std::string> got;
    for (std::size_t n = 1; n <= lines.Count(); ++n)
        got.emplace_back(lines.Line(n));
    EXPECT_EQ(got, GetParam().lines);
    EXPECT_EQ(lines.Line(lines.Count() + 1), "");
    EXPECT_EQ(lines.Line(0), "");
}

INSTANTIATE_TEST_SUITE_P(
    ReadingRules, LineSplitTest,
    testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"LfOnly", "a\nb\n", {"a", "b"}}, SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
                    SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    SplitCase{"Mixed", "a\r\n\r\nb\rc\nd", {"a", "", "b", "c", "d"}},
                    SplitCase{"NoEndAtLast", "a\r\nb", {"a", "b"}},
                    SplitCase{"EndsAtFirstNul", std::string("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"}},
                    SplitCase{
                        "LongLineWhole", std::string(5000, 'x') + "\r\ny", {std::string(5000, 'x'), "y"}},
                    SplitCase{"BlanksKept", " a \r\n\t\r\n", {" a ", "\t"}},
                    // Only the first 21 lines are kept; read in pieces, the cut may fall inside a CR LF.
                    SplitCase{"TwentyFiveLines",
                              [] {
                                  std::string lines;
                                  for (int i = 1; i <= 25; ++i)
                                      lines += std::to_string(i) + "\r\n";
                                  return lines;
                              }(),
                              [] {
                                  std::vector<std::string> kept;
                                  for (int i = 1; i <= 21; ++i)
                                      kept.push_back(std::to_string(i));
                                  return kept;
                              }()}),
    [](const auto& info) { return std::string(info.param.name); });

// The content read in pieces, cut anywhere (inside a CR LF, inside a character, at a NUL), gives the
// lines it gives whole.
TEST_P(LineSplitTest, ReadAlikeInPieces) {
    const std::string& bytes = GetParam().bytes;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        ButtonFileReader reader;
        if (reader.Add(std::string_view(bytes).substr(0, cut)))
            reader.Add(std::string_view(bytes).substr(cut));
        const ButtonFileLines lines = reader.Finish();
        std::vector<std::string> got;
        for (std::size_t n = 1; n <= lines.Count(); ++n)
            got.emplace_back(lines.Line(n));
        EXPECT_EQ(got, GetParam().lines) << "cut at " << cut;
    }
}

TEST(ReadingRules, OnlyTheLinesALayoutCanUseAreKept) {
    std::string bytes;
    for (int line = 1; line <= 30; ++line)
        bytes += std::to_string(line) + "\r\n";
    const ButtonFileLines lines = ButtonFileLines::FromBytes(bytes);
    EXPECT_EQ(lines.Count(), ButtonFileLines::MaxLines);
    EXPECT_EQ(lines.Line(21), "21");
    EXPECT_EQ(lines.Line(22), "");
    EXPECT_EQ(ButtonFileLines::FromBytes(std::string(1000000, '\n')).Count(), ButtonFileLines::MaxLines);
}

// Whether the system's encoding is UTF-8, as on Linux; on Windows it is the ANSI code page, in which
// Windows-1252 files are valid as they stand.
bool SystemIsUtf8() {
    return !IsSystemText("\xE9");
}

// A file from the Windows program, in Windows-1252, reads as typed and is held in the system's encoding.
TEST(TextEncoding, AWindows1252FileReadsAsTyped) {
    if (!SystemIsUtf8())
        GTEST_SKIP() << "every Windows-1252 file is valid in this system's encoding";
    const ButtonFileLines lines = ButtonFileLines::FromBytes("caf\xE9\r\n9,99 \x80\r\nna\xEFve\r\n");
    EXPECT_EQ(lines.Encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(lines.Line(1), "caf\xC3\xA9");
    EXPECT_EQ(lines.Line(2), "9,99 \xE2\x82\xAC");
    EXPECT_EQ(lines.Line(3), "na\xC3\xAFve");
    // Saved again, it is written in the system's encoding.
    EXPECT_EQ(ButtonFileBytes(DecodeSingleItem(lines)).substr(0, 17), "caf\xC3\xA9\r\n9,99 \xE2\x82\xAC\r\n");
}

// The encoding is decided once, from the whole content up to its NUL: lines past those kept count too.
TEST(TextEncoding, DecidedOnceForTheWholeFile) {
    if (!SystemIsUtf8())
        GTEST_SKIP() << "every Windows-1252 file is valid in this system's encoding";
    const std::string utf8 = "caf\xC3\xA9\r\n";
    EXPECT_EQ(ButtonFileLines::FromBytes(utf8 + std::string(30, '\n')).Encoding(), TextEncoding::System);
    EXPECT_EQ(ButtonFileLines::FromBytes(utf8 + std::string(30, '\n')).Line(1), "caf\xC3\xA9");

    const ButtonFileLines mixed = ButtonFileLines::FromBytes(utf8 + std::string(30, '\n') + "\xE9\r\n");
    EXPECT_EQ(mixed.Encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(mixed.Line(1), "caf\xC3\x83\xC2\xA9"); // the two bytes of "é" as two Windows-1252 letters

    EXPECT_EQ(ButtonFileLines::FromBytes(utf8 + std::string("\0\xE9", 2)).Encoding(), TextEncoding::System);
    EXPECT_EQ(ButtonFileLines::FromBytes("caf\xC3").Encoding(), TextEncoding::Windows1252); // cut short
}

TEST(ReadingRules, LineEndVariantsLoadAlike) {
    std::string crlf = test::ReadData("subscription-full.crv");
    std::string lf, cr;
    for (char c : crlf) {
        if (c != '\r')
            lf += c;
        if (c != '\n')
            cr += c;
    }
    const SubscriptionButton expected = DecodeSubscription(ButtonFileLines::FromBytes(crlf));
    EXPECT_EQ(DecodeSubscription(ButtonFileLines::FromBytes(lf)), expected);
    EXPECT_EQ(DecodeSubscription(ButtonFileLines::FromBytes(cr)), expected);
    EXPECT_EQ(expected, test::FullSubscription());
}

TEST(ReadingRules, ShortFileReadsMissingLinesAsEmpty) {
    const SingleItemButton b = DecodeSingleItem(ButtonFileLines::FromBytes("me@x\r\nMug\r\n7"));
    EXPECT_EQ(b.Email, "me@x");
    EXPECT_EQ(b.Name, "Mug");
    EXPECT_EQ(b.Number, "7");
    SingleItemButton expected;
    expected.Email = "me@x";
    expected.Name = "Mug";
    expected.Number = "7";
    expected.ImageChoice = 0;                // empty picture line: no picture chosen
    expected.PageColour = PageColour::Black; // only "1" is White
    EXPECT_EQ(b, expected);

    // An empty file reads the same way, and lines past the layout are ignored.
    EXPECT_EQ(DecodeSingleItem(ButtonFileLines::FromBytes("")).PageColour, PageColour::Black);
    EXPECT_EQ(DecodeCart(ButtonFileLines::FromBytes(test::ReadData("cart-full.crv") + "extra\r\nlines\r\n")),
              test::FullCart());
}

// How each kind of value reads back from one line.
struct ValueCase {
    std::string line;
    int single;       // picture of a single item
    int subscription; // picture of a subscription
    int cart;         // picture of a cart
    bool flag;
    PageColour colour;
    friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << testing::PrintToString(c.line); }
};

class ValueLineTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueLineTest, ReadsBack) {
    const ValueCase& c = GetParam();
    // Put the line at the picture, a flag and the colour line of each layout.
    const auto lines = [&](int count, std::initializer_list<int> at) {
        std::string bytes;
        for (int n = 1; n <= count; ++n)
            bytes += (std::find(at.begin(), at.end(), n) != at.end() ? c.line : std::string()) + "\r\n";
        return ButtonFileLines::FromBytes(bytes);
    };
    const SingleItemButton s = DecodeSingleItem(lines(14, {7, 9, 13}));
    EXPECT_EQ(s.ImageChoice, c.single);
    EXPECT_EQ(s.Shipping, c.flag);
    EXPECT_EQ(s.PageColour, c.colour);
    const SubscriptionButton u = DecodeSubscription(lines(21, {19, 14, 16}));
    EXPECT_EQ(u.ImageChoice, c.subscription);
    EXPECT_EQ(u.StopAfter, c.flag);
    EXPECT_EQ(u.PageColour, c.colour);
    const CartButton t = DecodeCart(lines(14, {8, 14, 13}));
    EXPECT_EQ(t.ImageChoice, c.cart);
    EXPECT_EQ(t.Encrypt, c.flag);
    EXPECT_EQ(t.PageColour, c.colour);
}

constexpr PageColour W = PageColour::White, B = PageColour::Black;

INSTANTIATE_TEST_SUITE_P(
    ValueKinds, ValueLineTest,
    testing::Values(ValueCase{"1", 1, 1, 1, true, W}, ValueCase{"2", 2, 2, 2, false, B},
                    ValueCase{"0", 0, 0, 0, false, B}, ValueCase{"", 0, 0, 0, false, B},
                    ValueCase{"6", 6, 6, 6, false, B}, ValueCase{"7", 7, 7, 0, false, B},
                    ValueCase{"9", 9, 9, 0, false, B}, ValueCase{"10", 0, 10, 0, false, B},
                    ValueCase{"11", 0, 11, 0, false, B}, ValueCase{"12", 0, 0, 0, false, B},
                    ValueCase{"01", 0, 0, 0, false, B}, ValueCase{" 1", 0, 0, 0, false, B},
                    ValueCase{"1 ", 0, 0, 0, false, B}, ValueCase{"+1", 0, 0, 0, false, B},
                    ValueCase{"-1", 0, 0, 0, false, B}, ValueCase{"word", 0, 0, 0, false, B},
                    ValueCase{"1x", 0, 0, 0, false, B}));

// The integer reading rule of unit lines, and what a unit line gives.
struct IntegerCase {
    std::string line;
    std::optional<std::int32_t> value;
    int unit;
    friend void PrintTo(const IntegerCase& c, std::ostream* os) { *os << testing::PrintToString(c.line); }
};

class IntegerReadingTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerReadingTest, ValueAndUnit) {
    EXPECT_EQ(ReadInteger(GetParam().line), GetParam().value);
    std::string bytes = ".subscription\r\n";
    for (int n = 2; n <= 21; ++n)
        bytes += (n == 7 ? GetParam().line : std::string()) + "\r\n";
    EXPECT_EQ(DecodeSubscription(ButtonFileLines::FromBytes(bytes)).Trial1Unit, GetParam().unit);
}

constexpr std::int32_t Max = 2147483647, Min = -2147483647 - 1;

INSTANTIATE_TEST_SUITE_P(
    UnitLines, IntegerReadingTest,
    testing::Values(IntegerCase{"3", 3, 3}, IntegerCase{"   3", 3, 3}, IntegerCase{"+3", 3, 3},
                    IntegerCase{"0003", 3, 3}, IntegerCase{"3 months", 3, 3}, IntegerCase{"$3", 3, 3},
                    IntegerCase{"x3", 3, 3}, IntegerCase{"X3", 3, 3}, IntegerCase{"0x3", 3, 3},
                    IntegerCase{"  0X4", 4, 4}, IntegerCase{"$a", 10, -1}, IntegerCase{"0xfF", 255, -1},
                    IntegerCase{"$3g", 3, 3}, IntegerCase{"", 0, 0}, IntegerCase{"   ", 0, 0},
                    IntegerCase{"-", 0, 0}, IntegerCase{"+", 0, 0}, IntegerCase{"$", 0, 0},
                    IntegerCase{"0x", 0, 0}, IntegerCase{"Month(s)", 0, 0}, IntegerCase{"-$3", 0, 0},
                    IntegerCase{"+0x3", 0, 0}, IntegerCase{"\t3", 0, 0}, IntegerCase{"-0", 0, 0},
                    IntegerCase{"-1", -1, -1}, IntegerCase{"5", 5, -1}, IntegerCase{"7", 7, -1},
                    IntegerCase{"99", 99, -1}, IntegerCase{"-3", -3, -1}, IntegerCase{"2147483647", Max, -1},
                    IntegerCase{"-2147483648", Min, -1}, IntegerCase{"2147483648", std::nullopt, -1},
                    IntegerCase{"-2147483649", std::nullopt, -1},
                    IntegerCase{"4294967299", std::nullopt, -1}, // would wrap round to 3
                    IntegerCase{"$100000003", std::nullopt, -1},
                    IntegerCase{"99999999999999999999999", std::nullopt, -1}));

struct KindCase {
    std::string firstLine;
    ButtonKind kind;
    friend void PrintTo(const KindCase& c, std::ostream* os) { *os << testing::PrintToString(c.firstLine); }
};

class KindTest : public testing::TestWithParam<KindCase> {};

TEST_P(KindTest, ExactCaseSensitiveTag) {
    EXPECT_EQ(ButtonFileKind(ButtonFileLines::FromBytes(GetParam().firstLine + "\r\nrest\r\n")),
              GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    FirstLine, KindTest,
    testing::Values(KindCase{".subscription", ButtonKind::Subscription}, KindCase{".cart", ButtonKind::Cart},
                    KindCase{"", ButtonKind::SingleItem}, KindCase{"me@example.com", ButtonKind::SingleItem},
                    KindCase{".Cart", ButtonKind::SingleItem},
                    KindCase{".SUBSCRIPTION", ButtonKind::SingleItem},
                    KindCase{" .cart", ButtonKind::SingleItem}, KindCase{".cart ", ButtonKind::SingleItem},
                    KindCase{"cart", ButtonKind::SingleItem}));

TEST(Kind, EmptyFileIsASingleItem) {
    EXPECT_EQ(ButtonFileKind(ButtonFileLines::FromBytes("")), ButtonKind::SingleItem);
}

TEST(Kind, SingleItemWhoseEmailIsTheCartTagReadsAsACart) {
    SingleItemButton b;
    b.Email = ".cart";
    const ButtonFileLines lines = ButtonFileLines::FromBytes(ButtonFileBytes(b));
    EXPECT_EQ(ButtonFileKind(lines), ButtonKind::Cart);
}

TEST(Failures, MissingFileOrFolderCannotBeOpened) {
    TempFolder folder;
    for (const std::string& path : {folder / "missing.crv", folder.Path().string()}) {
        try {
            ReadButtonFile(path);
            ADD_FAILURE() << "read " << path;
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
        }
    }
}

#ifndef _WIN32
// Only regular files are read: a pipe nobody writes to would block, a device might never end.
TEST(Failures, PipesAndDevicesCannotBeOpened) {
    TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const std::string& path : {folder / "pipe", std::string("/dev/zero"), std::string("/dev/null")}) {
        try {
            ReadButtonFile(path);
            ADD_FAILURE() << "read " << path;
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
        }
    }
}
#endif

// Bytes of every value, NULs and lone line ends included, read without failing.
TEST(Failures, BinaryContentReadsByTheRules) {
    std::string bytes;
    for (int i = 1; i < 256; ++i)
        bytes += static_cast<char>(i);
    bytes += '\0';
    bytes += "never read";
    const ButtonFileLines lines = ButtonFileLines::FromBytes(bytes);
    EXPECT_EQ(lines.Count(), 3u); // a LF, then a CR alone, then the rest up to the NUL
    EXPECT_EQ(lines.Line(1), std::string_view("\x01\x02\x03\x04\x05\x06\x07\x08\x09", 9));
    EXPECT_EQ(lines.Line(2), std::string_view("\x0b\x0c", 2));
    // Bytes that are no UTF-8 are read as Windows-1252, where every byte is a character.
    EXPECT_EQ(lines.Line(3), SystemTextFromWindows1252(bytes.substr(13, 242)));
    EXPECT_EQ(DecodeSingleItem(lines).Email, lines.Line(1));
}

// 100 MB read and decoded, in one piece.
TEST(Failures, HugeFileIsReadWhole) {
    TempFolder folder;
    const std::string name(100u << 20, 'n');
    folder.Put("huge.crv", "me@example.com\r\n" + name + "\r\n");
    const SingleItemButton button = DecodeSingleItem(ReadButtonFile(folder / "huge.crv"));
    EXPECT_EQ(button.Email, "me@example.com");
    EXPECT_EQ(button.Name.size(), name.size());
}

struct ErrorTextCase {
    std::string message;
    std::string text;
    friend void PrintTo(const ErrorTextCase& c, std::ostream* os) {
        *os << testing::PrintToString(c.message);
    }
};

class ErrorBoxTextTest : public testing::TestWithParam<ErrorTextCase> {};

TEST_P(ErrorBoxTextTest, FullStopAfterCharactersBeyondTheFullStop) {
    EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(ErrorTextCase{"Cannot open file /home/a/b.crv", "Cannot open file /home/a/b.crv."},
                    ErrorTextCase{"Stream write error", "Stream write error."},
                    ErrorTextCase{"Cannot create file C:\\x\\", "Cannot create file C:\\x\\."},
                    ErrorTextCase{"Cannot open file /x/", "Cannot open file /x/."},
                    ErrorTextCase{"Cannot open file a.", "Cannot open file a."},
                    ErrorTextCase{"Cannot open file a-", "Cannot open file a-"},
                    ErrorTextCase{"Cannot open file a ", "Cannot open file a "},
                    ErrorTextCase{"caf\xE9", "caf\xE9."}, ErrorTextCase{"", ""},
                    ErrorTextCase{"/a/b.mp4 (5.2 MB) is too large to be a button file.",
                                  "/a/b.mp4 (5.2 MB) is too large to be a button file."}));

struct SizeCase {
    std::uint64_t bytes;
    const char* text;
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.bytes; }
};

class SizeTextTest : public testing::TestWithParam<SizeCase> {};

TEST_P(SizeTextTest, AsAFileManagerGivesIt) {
    EXPECT_EQ(SizeText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeTextTest,
                         testing::Values(SizeCase{0, "0 bytes"}, SizeCase{1, "1 byte"},
                                         SizeCase{999, "999 bytes"}, SizeCase{1000, "1.0 KB"},
                                         SizeCase{1049, "1.0 KB"}, SizeCase{1050, "1.1 KB"},
                                         SizeCase{4194305, "4.2 MB"}, SizeCase{999949999, "999.9 MB"},
                                         SizeCase{999950000, "1.0 GB"}, SizeCase{123456789012, "123.5 GB"},
                                         SizeCase{18446744073709551615u, "18.4 EB"}));

} // namespace
} // namespace corvane
