#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"
#include "tests/support/SampleButtons.h"
#include "tests/support/TestData.h"

#include <functional>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// Whole outputs against hand-written forms under tests/data.
struct WholeOutput {
    const char* golden;
    std::function<std::string()> generate;
    friend void PrintTo(const WholeOutput& c, std::ostream* os) { *os << c.golden; }
};

class WholeOutputTest : public testing::TestWithParam<WholeOutput> {};

TEST_P(WholeOutputTest, MatchesHandWrittenForm) {
    EXPECT_EQ(GetParam().generate(), test::ReadData(GetParam().golden));
}

INSTANTIATE_TEST_SUITE_P(
    Generators, WholeOutputTest,
    testing::Values(WholeOutput{"single-item-full.html",
                                [] { return GenerateSingleItemCode(test::FullSingleItem()); }},
                    WholeOutput{"single-item-empty.html", [] { return GenerateSingleItemCode({}); }},
                    WholeOutput{"subscription-full.html",
                                [] { return GenerateSubscriptionCode(test::FullSubscription()); }},
                    WholeOutput{"subscription-empty.html", [] { return GenerateSubscriptionCode({}); }},
                    WholeOutput{"cart-full.html", [] { return GenerateCartCode(test::FullCart()); }},
                    WholeOutput{"cart-empty.html", [] { return GenerateCartCode({}); }}),
    [](const auto& info) {
        std::string name = info.param.golden;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

// The fixed text of each form, the service address aside, has a known length; with every value empty and
// a stock picture the output is that, plus the address twice, plus the picture's path.
TEST(FixedText, LengthsOfTheLiterals) {
    const std::size_t base = ServiceBaseUrl.size();
    EXPECT_EQ(GenerateSingleItemCode({}).size(), 685 + 2 * base + 25);
    EXPECT_EQ(GenerateSubscriptionCode({}).size(), 955 + 2 * base + 35);
    SubscriptionButton stopping;
    stopping.StopAfter = true;
    EXPECT_EQ(GenerateSubscriptionCode(stopping).size(), 1038 + 2 * base + 35);
    EXPECT_EQ(GenerateCartCode({}).size(), 684 + 2 * base + 25);
}

// Every picture number of every kind, with an own address that must show only for the own picture.
enum class Kind { SingleItem, Subscription, Cart };

struct PictureCase {
    Kind kind;
    int choice;
    const char* src;
    friend void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.choice << " -> " << c.src; }
};

std::string CodeWithPicture(Kind kind, int choice, const std::string& ownUrl) {
    switch (kind) {
    case Kind::SingleItem: {
        SingleItemButton b;
        b.ImageChoice = choice;
        b.OwnURL = ownUrl;
        return GenerateSingleItemCode(b);
    }
    case Kind::Subscription: {
        SubscriptionButton b;
        b.ImageChoice = choice;
        b.OwnURL = ownUrl;
        return GenerateSubscriptionCode(b);
    }
    case Kind::Cart: {
        CartButton b;
        b.ImageChoice = choice;
        b.OwnURL = ownUrl;
        return GenerateCartCode(b);
    }
    }
    return {};
}

class PictureTest : public testing::TestWithParam<PictureCase> {};

std::string PictureCaseName(const testing::TestParamInfo<PictureCase>& info) {
    static constexpr const char* kinds[] = {"SingleItem", "Subscription", "Cart"};
    return kinds[static_cast<int>(info.param.kind)] + std::to_string(info.param.choice);
}

TEST_P(PictureTest, WritesTheAddressOfTheChoice) {
    const std::string code = CodeWithPicture(GetParam().kind, GetParam().choice, "http://own/x.gif");
    EXPECT_NE(code.find(std::string("<input type=\"image\" src=\"") + GetParam().src + "\" border=\"0\""),
              std::string::npos)
        << code;
}

TEST(Picture, OwnPictureWithEmptyAddressWritesEmptySource) {
    EXPECT_NE(CodeWithPicture(Kind::SingleItem, 9, "").find("src=\"\""), std::string::npos);
    EXPECT_NE(CodeWithPicture(Kind::Subscription, 11, "").find("src=\"\""), std::string::npos);
    EXPECT_NE(CodeWithPicture(Kind::Cart, 6, "").find("src=\"\""), std::string::npos);
}

#define PP "https://www.paypal.com/images/"

INSTANTIATE_TEST_SUITE_P(AllChoices, PictureTest,
                         testing::Values(PictureCase{Kind::SingleItem, 1, PP "x-click-but23.gif"},
                                         PictureCase{Kind::SingleItem, 2, PP "x-click-but02.gif"},
                                         PictureCase{Kind::SingleItem, 3, PP "x-click-but03.gif"},
                                         PictureCase{Kind::SingleItem, 4, PP "x-click-but01.gif"},
                                         PictureCase{Kind::SingleItem, 5, PP "x-click-but9.gif"},
                                         PictureCase{Kind::SingleItem, 6, PP "x-click-butcc.gif"},
                                         PictureCase{Kind::SingleItem, 7, PP "x-click-but5.gif"},
                                         PictureCase{Kind::SingleItem, 8, PP "x-click-but6.gif"},
                                         PictureCase{Kind::SingleItem, 9, "http://own/x.gif"}, //
                                         PictureCase{Kind::SingleItem, 0, ""},                 //
                                         PictureCase{Kind::SingleItem, 10, ""},
                                         PictureCase{Kind::Subscription, 1, PP "x-click-butcc-subscribe.gif"},
                                         PictureCase{Kind::Subscription, 2, PP "x-click-butcc.gif"},
                                         PictureCase{Kind::Subscription, 3, PP "x-click-but20.gif"},
                                         PictureCase{Kind::Subscription, 4, PP "x-click-but06.gif"},
                                         PictureCase{Kind::Subscription, 5, PP "x-click-but30.gif"},
                                         PictureCase{Kind::Subscription, 6, PP "x-click-but31.gif"},
                                         PictureCase{Kind::Subscription, 7, PP "x-click-but24.gif"},
                                         PictureCase{Kind::Subscription, 8, PP "x-click-but28.gif"},
                                         PictureCase{Kind::Subscription, 9, PP "x-click-but29.gif"},
                                         PictureCase{Kind::Subscription, 10, PP "x-click-but12.gif"},
                                         PictureCase{Kind::Subscription, 11, "http://own/x.gif"},
                                         PictureCase{Kind::Subscription, 0, ""}, //
                                         PictureCase{Kind::Subscription, 12, ""},
                                         PictureCase{Kind::Cart, 1, PP "x-click-but22.gif"}, //
                                         PictureCase{Kind::Cart, 2, PP "sc-but-03.gif"},
                                         PictureCase{Kind::Cart, 3, PP "sc-but-01.gif"}, //
                                         PictureCase{Kind::Cart, 4, PP "x-click-but10.gif"},
                                         PictureCase{Kind::Cart, 5, PP "sc-but-02.gif"}, //
                                         PictureCase{Kind::Cart, 6, "http://own/x.gif"},
                                         PictureCase{Kind::Cart, 0, ""}, //
                                         PictureCase{Kind::Cart, 7, ""}),
                         PictureCaseName);

#undef PP

// Flags, options and values: each row makes one code and names a fragment that must, or must not, be in it.
struct FragmentCase {
    const char* name;
    std::function<std::string()> generate;
    const char* fragment;
    bool present = true;
    friend void PrintTo(const FragmentCase& c, std::ostream* os) { *os << c.name; }
};

class FragmentTest : public testing::TestWithParam<FragmentCase> {};

TEST_P(FragmentTest, Fragment) {
    const std::string code = GetParam().generate();
    EXPECT_EQ(code.find(GetParam().fragment) != std::string::npos, GetParam().present) << code;
}

template <typename Button, typename Change>
std::function<std::string()> Code(std::string (*generate)(const Button&), Change change) {
    return [=] {
        Button b;
        change(b);
        return generate(b);
    };
}

const auto SingleItem = [](auto change) { return Code(&GenerateSingleItemCode, change); };
const auto Subscription = [](auto change) { return Code(&GenerateSubscriptionCode, change); };
const auto Cart = [](auto change) { return Code(&GenerateCartCode, change); };

INSTANTIATE_TEST_SUITE_P(
    Options, FragmentTest,
    testing::Values(
        FragmentCase{"SingleNoShippingWhenClear", SingleItem([](auto&) {}),
                     R"(name="no_shipping" value="1">)"},
        FragmentCase{"SingleShipping", SingleItem([](auto& b) { b.Shipping = true; }),
                     R"(name="no_shipping" value="0">)"},
        FragmentCase{"SingleMultiple", SingleItem([](auto& b) { b.Multiple = true; }),
                     R"(name="undefined_quantity" value="1">)"},
        FragmentCase{"SingleNoteTitleIgnoredWhenClear", SingleItem([](auto& b) { b.NoteTitle = "Say hi"; }),
                     "Say hi", false},
        FragmentCase{"SingleNote", SingleItem([](auto& b) { b.IncludeNote = true, b.NoteTitle = "Say hi"; }),
                     R"(<input type="hidden" name="cn" value="Say hi">)"},
        FragmentCase{"SingleBlack", SingleItem([](auto& b) { b.PageColour = PageColour::Black; }),
                     R"(<input type="hidden" name="cs" value="1"></form>)"},
        FragmentCase{"SingleAmountThenOneBlank", SingleItem([](auto& b) { b.Price = "9"; }),
                     R"(name="amount" value="9"> <input type="hidden" name="return")"},
        FragmentCase{"SingleOwnUrlIgnoredForStock", SingleItem([](auto& b) { b.OwnURL = "own.gif"; }),
                     "own.gif", false},
        FragmentCase{"SubscriptionNoStopLimit", Subscription([](auto& b) { b.PaymentCount = "6"; }),
                     R"(name="sra")", false},
        FragmentCase{
            "SubscriptionStopWithEmptyCount", Subscription([](auto& b) { b.StopAfter = true; }),
            R"(name="t3" value=""><input type="hidden" name="sra" value="1"><input type="hidden" name="srt" value=""><input type="hidden" name="cs")"},
        FragmentCase{"SubscriptionUnitNone", Subscription([](auto& b) { b.Trial1Unit = -1; }),
                     R"(name="t1" value="">)"},
        FragmentCase{"SubscriptionUnitOutOfList", Subscription([](auto& b) { b.Trial2Unit = 5; }),
                     R"(name="t2" value="">)"},
        FragmentCase{"SubscriptionUnitYear", Subscription([](auto& b) { b.RegularUnit = 4; }),
                     R"(name="t3" value="Y">)"},
        FragmentCase{"CartShipping", Cart([](auto& b) { b.Shipping = true; }),
                     R"(name="no_shipping" value="0">)"},
        FragmentCase{"CartNoteWithEmptyTitle", Cart([](auto& b) { b.IncludeNote = true; }),
                     R"(name="no_shipping" value="1"><input type="hidden" name="cn" value=""><input)"},
        FragmentCase{"CartNoteTitleIgnoredWhenClear", Cart([](auto& b) { b.NoteTitle = "Engrave"; }),
                     "Engrave", false},
        FragmentCase{"CartBlack", Cart([](auto& b) { b.PageColour = PageColour::Black; }),
                     R"(name="cs" value="1"><input type="hidden" name="add" value="1"></form>)"},
        FragmentCase{"CartPriceAsTyped", Cart([](auto& b) { b.Price = "EUR 1,50"; }),
                     R"(name="amount" value="EUR 1,50"> <input)"}),
    [](const auto& info) { return std::string(info.param.name); });

// A double quote in a value would end the attribute: it is written as &quot;, in every value of every
// kind. Other markup characters and entities typed on purpose pass unchanged.
INSTANTIATE_TEST_SUITE_P(
    Quotes, FragmentTest,
    testing::Values(
        FragmentCase{"SingleName", SingleItem([](auto& b) { b.Name = "12\" pizza"; }),
                     R"(name="item_name" value="12&quot; pizza">)"},
        FragmentCase{"SingleEveryValue", SingleItem([](auto& b) {
                         b.Email = b.Number = b.Price = b.Success = b.Cancelled = b.NoteTitle = "\"";
                         b.IncludeNote = true;
                     }),
                     "=\"\"\"", false},
        FragmentCase{"SingleOwnUrl", SingleItem([](auto& b) { b.ImageChoice = 9, b.OwnURL = "a\"b\""; }),
                     R"(src="a&quot;b&quot;" border)"},
        FragmentCase{"SingleEntityAndMarkupPass",
                     SingleItem([](auto& b) { b.Name = "Caf&eacute; <b>&</b>"; }),
                     R"(value="Caf&eacute; <b>&</b>">)"},
        FragmentCase{"SubscriptionEveryValue", Subscription([](auto& b) {
                         b.Email = b.Name = b.Number = b.Trial1Amount = b.Trial1Length = b.Trial2Amount =
                             b.Trial2Length = b.RegularAmount = b.RegularLength = b.PaymentCount = b.Success =
                                 b.Cancelled = "x\"";
                         b.StopAfter = true;
                     }),
                     "x\"", false},
        FragmentCase{"SubscriptionCount",
                     Subscription([](auto& b) { b.StopAfter = true, b.PaymentCount = "\"3"; }),
                     R"(name="srt" value="&quot;3">)"},
        FragmentCase{"CartEveryValue", Cart([](auto& b) {
                         b.Email = b.Name = b.Number = b.Price = b.Success = b.Cancelled = b.NoteTitle =
                             "x\"";
                         b.IncludeNote = true;
                     }),
                     "x\"", false},
        FragmentCase{"CartNote", Cart([](auto& b) { b.IncludeNote = true, b.NoteTitle = "\"Hi\""; }),
                     R"(name="cn" value="&quot;Hi&quot;">)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnitCase {
    const char* text;
    const char* code;
    friend void PrintTo(const UnitCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class PeriodUnitCodeTest : public testing::TestWithParam<UnitCase> {};

TEST_P(PeriodUnitCodeTest, WholeCaseSensitiveMatch) {
    EXPECT_EQ(PeriodUnitCode(GetParam().text), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Units, PeriodUnitCodeTest,
                         testing::Values(UnitCase{"Day(s)", "D"}, UnitCase{"Week(s)", "W"},
                                         UnitCase{"Month(s)", "M"}, UnitCase{"Year(s)", "Y"},
                                         UnitCase{"", ""}, UnitCase{"day(s)", ""}, UnitCase{"Month", ""},
                                         UnitCase{"Year(s) ", ""}, UnitCase{"D", ""}));

// The links carry the e-mail address percent-encoded, so that "+", "&" and blanks reach the service intact.
struct LinkCase {
    const char* name;
    const char* email;
    const char* encoded;
    friend void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }
};

class LinkTest : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkTest, BothLinks) {
    EXPECT_EQ(CancelSubscriptionLink(GetParam().email),
              std::string("https://www.paypal.com/cgi-bin/webscr?cmd=_subscr-find&alias=") +
                  GetParam().encoded);
    EXPECT_EQ(ViewCartLink(GetParam().email),
              std::string("https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=") +
                  GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Emails, LinkTest,
    testing::Values(LinkCase{"Empty", "", ""},
                    LinkCase{"Plain", "Shop-1.sales_x~@Example.com", "Shop-1.sales_x~@Example.com"},
                    LinkCase{"PlusAmpersandBlank", "a+b&c d@x.org", "a%2Bb%26c%20d@x.org"},
                    LinkCase{"QueryAndPercent", "x?y=%#", "x%3Fy%3D%25%23"},
                    LinkCase{"HighBytes", "caf\xE9\xFF", "caf%E9%FF"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace corvane
