#pragma once

#include "generate/ButtonCommon.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// The units of a subscription period, as the page's lists hold them. A unit field is an index into this
// list, or -1 when no entry is selected.
inline constexpr std::array<std::string_view, 5> PeriodUnits = {"", "Day(s)", "Week(s)", "Month(s)",
                                                                "Year(s)"};

// A subscription button, fields in the order in which button files store them. The defaults are those of
// the subscription page as it starts.
struct SubscriptionButton {
    std::string Email;
    std::string Name;
    std::string Number;
    std::string Trial1Amount;
    std::string Trial1Length;
    int Trial1Unit = 0;
    std::string Trial2Amount;
    std::string Trial2Length;
    int Trial2Unit = 0;
    std::string RegularAmount;
    std::string RegularLength;
    int RegularUnit = 0;
    bool StopAfter = false;
    std::string PaymentCount; // used only when StopAfter is set
    corvane::PageColour PageColour = corvane::PageColour::White;
    std::string Success;
    std::string Cancelled;
    int ImageChoice = 1;
    std::string OwnURL;   // used only when ImageChoice is the own picture
    bool Encrypt = false; // for the caller: the generator does not read it

    friend bool operator==(const SubscriptionButton&, const SubscriptionButton&) = default;
};

inline constexpr std::array<std::string_view, 10> SubscriptionStockPictures = {
    "/images/x-click-butcc-subscribe.gif", "/images/x-click-butcc.gif", "/images/x-click-but20.gif",
    "/images/x-click-but06.gif",           "/images/x-click-but30.gif", "/images/x-click-but31.gif",
    "/images/x-click-but24.gif",           "/images/x-click-but28.gif", "/images/x-click-but29.gif",
    "/images/x-click-but12.gif",
};
inline constexpr PictureTable SubscriptionPictures{SubscriptionStockPictures};

// The service's one-letter code of a unit text ("Month(s)" gives "M"); any other text gives "".
std::string_view PeriodUnitCode(std::string_view unitText);

// The button's HTML form, one line without a line break.
std::string GenerateSubscriptionCode(const SubscriptionButton& button);

// The service link through which the merchant's buyers find and cancel their subscriptions.
std::string CancelSubscriptionLink(std::string_view email);

} // namespace corvane
