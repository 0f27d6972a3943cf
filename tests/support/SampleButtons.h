#pragma once

// Button records with every field set, matching the sample files under tests/data.

#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"

namespace corvane::test {

inline SingleItemButton FullSingleItem() {
    return {.Email = "shop@example.com",
            .Name = "Blue Mug",
            .Number = "MUG-7",
            .Price = "12.50",
            .Success = "https://example.com/thanks",
            .Cancelled = "https://example.com/cancel",
            .ImageChoice = 4,
            .OwnURL = "https://example.com/own.gif", // ignored: picture 4 is a stock picture
            .Shipping = true,
            .Multiple = true,
            .IncludeNote = true,
            .NoteTitle = "Gift message",
            .PageColour = PageColour::Black};
}

inline SubscriptionButton FullSubscription() {
    return {.Email = "club@example.com",
            .Name = "Coffee Club",
            .Number = "CC-1",
            .Trial1Amount = "0.00",
            .Trial1Length = "7",
            .Trial1Unit = 1,
            .Trial2Amount = "5.00",
            .Trial2Length = "1",
            .Trial2Unit = 2,
            .RegularAmount = "19.95",
            .RegularLength = "1",
            .RegularUnit = 3,
            .StopAfter = true,
            .PaymentCount = "12",
            .PageColour = PageColour::Black,
            .Success = "https://example.com/welcome",
            .Cancelled = "https://example.com/bye",
            .ImageChoice = 11,
            .OwnURL = "https://example.com/join.gif"};
}

inline CartButton FullCart() {
    return {.Email = "store@example.com",
            .Name = "Tea Tin",
            .Number = "T-3",
            .Price = "8.00",
            .Success = "https://example.com/ok",
            .Cancelled = "https://example.com/no",
            .ImageChoice = 5,
            .OwnURL = "",
            .Shipping = true,
            .IncludeNote = true,
            .NoteTitle = "Engraving",
            .PageColour = PageColour::Black};
}

} // namespace corvane::test
