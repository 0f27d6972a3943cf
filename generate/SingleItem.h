#pragma once

#include "generate/ButtonCommon.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// A single-item payment button, fields in the order in which button files store them. The defaults are
// those of the single-item page as it starts.
struct SingleItemButton {
    std::string Email;
    std::string Name;
    std::string Number;
    std::string Price;
    std::string Success;
    std::string Cancelled;
    int ImageChoice = 1;
    std::string OwnURL; // used only when ImageChoice is the own picture
    bool Shipping = false;
    bool Multiple = false;
    bool IncludeNote = false;
    std::string NoteTitle; // used only when IncludeNote is set
    corvane::PageColour PageColour = corvane::PageColour::White;
    bool Encrypt = false; // for the caller: the generator does not read it

    friend bool operator==(const SingleItemButton&, const SingleItemButton&) = default;
};

inline constexpr std::array<std::string_view, 8> SingleItemStockPictures = {
    "/images/x-click-but23.gif", "/images/x-click-but02.gif", "/images/x-click-but03.gif",
    "/images/x-click-but01.gif", "/images/x-click-but9.gif",  "/images/x-click-butcc.gif",
    "/images/x-click-but5.gif",  "/images/x-click-but6.gif",
};
inline constexpr PictureTable SingleItemPictures{SingleItemStockPictures};

// The button's HTML form, one line without a line break.
std::string GenerateSingleItemCode(const SingleItemButton& button);

} // namespace corvane
