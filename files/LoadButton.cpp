#include "files/LoadButton.h"

namespace corvane {

std::optional<std::string_view> WrongKindMessage(ButtonKind page, ButtonKind found) {
    if (page == found)
        return std::nullopt;
    switch (found) {
    case ButtonKind::SingleItem:
        return "This file appears to be a single item button.  Please load it in the single item generator.";
    case ButtonKind::Subscription:
        return "This file appears to be a subscription button.  Please load it in the subscription "
               "generator.";
    case ButtonKind::Cart:
        return "This file appears to be a shopping cart button.  Please load it in the shopping cart "
               "generator.";
    }
    return std::nullopt;
}

} // namespace corvane
