#include "files/LoadButton.h"

#include "files/FileError.h"
#include "tests/support/SampleButtons.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr std::string_view SingleItemNotice =
    "This file appears to be a single item button.  Please load it in the single item generator.";
constexpr std::string_view SubscriptionNotice =
    "This file appears to be a subscription button.  Please load it in the subscription generator.";
constexpr std::string_view CartNotice =
    "This file appears to be a shopping cart button.  Please load it in the shopping cart generator.";

template <typename Button> std::string_view Refusal(const std::string& path) {
    const auto loaded = LoadButtonFile<Button>(path);
    return std::holds_alternative<std::string_view>(loaded) ? std::get<std::string_view>(loaded) : "";
}

TEST(LoadButton, EachPageTakesItsOwnKind) {
    EXPECT_EQ(
        std::get<SingleItemButton>(LoadButtonFile<SingleItemButton>(test::DataPath("single-item-full.crv"))),
        test::FullSingleItem());
    EXPECT_EQ(std::get<SubscriptionButton>(
                  LoadButtonFile<SubscriptionButton>(test::DataPath("subscription-full.crv"))),
              test::FullSubscription());
    EXPECT_EQ(std::get<CartButton>(LoadButtonFile<CartButton>(test::DataPath("cart-full.crv"))),
              test::FullCart());
}

TEST(LoadButton, FilesOfAnotherKindAreRefusedWithWhereTheyBelong) {
    const std::string single = test::DataPath("single-item-full.crv");
    const std::string subscription = test::DataPath("subscription-full.crv");
    const std::string cart = test::DataPath("cart-full.crv");
    EXPECT_EQ(Refusal<SingleItemButton>(subscription), SubscriptionNotice);
    EXPECT_EQ(Refusal<SingleItemButton>(cart), CartNotice);
    EXPECT_EQ(Refusal<SubscriptionButton>(cart), CartNotice);
    EXPECT_EQ(Refusal<SubscriptionButton>(single), SingleItemNotice);
    EXPECT_EQ(Refusal<CartButton>(subscription), SubscriptionNotice);
    EXPECT_EQ(Refusal<CartButton>(single), SingleItemNotice);
}

TEST(LoadButton, AnEmptyFileIsASingleItemButton) {
    test::TempFolder folder;
    folder.Put("empty.crv", "");
    const auto loaded = LoadButtonFile<SingleItemButton>(folder / "empty.crv");
    ASSERT_TRUE(std::holds_alternative<SingleItemButton>(loaded));
    EXPECT_EQ(std::get<SingleItemButton>(loaded).ImageChoice, 0);
    EXPECT_EQ(Refusal<CartButton>(folder / "empty.crv"), SingleItemNotice);
}

TEST(LoadButton, MissingFile) {
    test::TempFolder folder;
    EXPECT_THROW(LoadButtonFile<CartButton>(folder / "missing.crv"), FileError);
}

// A page takes no file over 4 MiB: an edit box would take minutes over a value that long. The message
// says why, with the size.
TEST(LoadButton, FilesTooLargeForAPageAreRefusedForTheirSize) {
    test::TempFolder folder;
    folder.Put("large.crv", std::string(LargestPageFile, 'x'));
    EXPECT_EQ(std::get<SingleItemButton>(LoadButtonFile<SingleItemButton>(folder / "large.crv")).Email.size(),
              LargestPageFile);
    folder.Put("larger.crv", std::string(LargestPageFile + 1, 'x'));
    try {
        LoadButtonFile<SingleItemButton>(folder / "larger.crv");
        ADD_FAILURE();
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  folder / "larger.crv" + " (4.2 MB) is too large to be a button file.");
    }
    // The file layer itself has no limit.
    EXPECT_EQ(ReadButtonFile(folder / "larger.crv").Line(1).size(), LargestPageFile + 1);
}

} // namespace
} // namespace corvane
