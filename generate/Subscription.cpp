#include "generate/Subscription.h"

#include "generate/FormText.h"

namespace corvane {

namespace {

std::string_view UnitCode(int unit) {
    const bool listed = unit >= 0 && unit < static_cast<int>(PeriodUnits.size());
    return PeriodUnitCode(listed ? PeriodUnits[static_cast<std::size_t>(unit)] : std::string_view{});
}

} // namespace

std::string_view PeriodUnitCode(std::string_view unitText) {
    if (unitText == "Day(s)")
        return "D";
    if (unitText == "Week(s)")
        return "W";
    if (unitText == "Month(s)")
        return "M";
    if (unitText == "Year(s)")
        return "Y";
    return {};
}

std::string GenerateSubscriptionCode(const SubscriptionButton& button) {
    return form::BuildForm([&](auto& out) {
        form::FormOpening(out, "", "_xclick-subscriptions");
        form::HiddenInput(out, "no_note", "1");
        form::HiddenInput(out, "business", button.Email);
        form::HiddenInput(out, "item_name", button.Name);
        form::HiddenInput(out, "item_number", button.Number);
        form::HiddenInput(out, "return", button.Success);
        form::HiddenInput(out, "cancel_return", button.Cancelled);
        form::PictureInput(out, SubscriptionPictures, button.ImageChoice, button.OwnURL);
        form::HiddenInput(out, "a1", button.Trial1Amount);
        form::HiddenInput(out, "p1", button.Trial1Length);
        form::HiddenInput(out, "t1", UnitCode(button.Trial1Unit));
        form::HiddenInput(out, "a2", button.Trial2Amount);
        form::HiddenInput(out, "p2", button.Trial2Length);
        form::HiddenInput(out, "t2", UnitCode(button.Trial2Unit));
        form::HiddenInput(out, "a3", button.RegularAmount);
        form::HiddenInput(out, "p3", button.RegularLength);
        form::HiddenInput(out, "t3", UnitCode(button.RegularUnit));
        if (button.StopAfter) {
            form::HiddenInput(out, "sra", "1");
            form::HiddenInput(out, "srt", button.PaymentCount);
        }
        form::PageColourInput(out, button.PageColour);
        form::HiddenInput(out, "src", "1");
        out.Literal("</form>");
    });
}

std::string CancelSubscriptionLink(std::string_view email) {
    return ServiceLink("/cgi-bin/webscr?cmd=_subscr-find&alias=", email);
}

} // namespace corvane
