#pragma once

// Loading a button file onto a page: the page takes only files of its own kind, and tells the user where
// a file of another kind belongs.

#include "files/ButtonFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace corvane {

template <typename Button> inline constexpr ButtonKind KindOf = ButtonKind::SingleItem;
template <> inline constexpr ButtonKind KindOf<SubscriptionButton> = ButtonKind::Subscription;
template <> inline constexpr ButtonKind KindOf<CartButton> = ButtonKind::Cart;

// The notice for a file of kind `found` loaded on a page of kind `page`; nothing when they agree.
std::optional<std::string_view> WrongKindMessage(ButtonKind page, ButtonKind found);

// The largest file a page takes. A button file of typed values holds a few kilobytes; a file of many
// megabytes is something else chosen by mistake, and an edit box would take minutes to lay out a value
// that long, so such a file is refused for its size.
inline constexpr std::size_t LargestPageFile = std::size_t{4} << 20;

// The record that a page of `Button`'s kind takes from the file at `path`, or the notice that the file is
// of another kind. Throws FileError "Cannot open file PATH" when the file cannot be read, and "PATH (SIZE)
// is too large to be a button file." when it is larger than LargestPageFile.
template <typename Button> std::variant<Button, std::string_view> LoadButtonFile(const std::string& path) {
    const ButtonFileLines lines = ReadButtonFile(path, LargestPageFile);
    if (const auto refusal = WrongKindMessage(KindOf<Button>, ButtonFileKind(lines)))
        return *refusal;
    if constexpr (KindOf<Button> == ButtonKind::Subscription)
        return DecodeSubscription(lines);
    else if constexpr (KindOf<Button> == ButtonKind::Cart)
        return DecodeCart(lines);
    else
        return DecodeSingleItem(lines);
}

} // namespace corvane
