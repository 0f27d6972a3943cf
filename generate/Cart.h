#pragma once

#include "generate/ButtonCommon.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// A button that adds one item to the buyer's cart, fields in the order in which button files store them.
// The defaults are those of the shopping-cart page as it starts.
struct CartButton {
    std::string Email;
    std::string Name;
    std::string Number;
    std::string Price;
    std::string Success;
    std::string Cancelled;
    int ImageChoice = 1;
    std::string OwnURL; // used only when ImageChoice is the own picture
    bool Shipping = false;
    bool IncludeNote = false;
    std::string NoteTitle; // used only when IncludeNote is set
    corvane::PageColour PageColour = corvane::PageColour::White;
    bool Encrypt = false; // for the caller: the generator does not read it

    friend bool operator==(const CartButton&, const CartButton&) = default;
};

// Not in the order of the file names: 2 is sc-but-03, 3 is sc-but-01 and 5 is sc-but-02.
inline constexpr std::array<std::string_view, 5> CartStockPictures = {
    "/images/x-click-but22.gif", "/images/sc-but-03.gif", "/images/sc-but-01.gif",
    "/images/x-click-but10.gif", "/images/sc-but-02.gif",
};
inline constexpr PictureTable CartPictures{CartStockPictures};

// The button's HTML form, one line without a line break.
std::string GenerateCartCode(const CartButton& button);

// The service link that shows a buyer the merchant's cart.
std::string ViewCartLink(std::string_view email);

} // namespace corvane
