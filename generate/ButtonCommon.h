#pragma once

// What the three kinds of button share: the service's address, the page colour, the picture tables and
// the links that carry an e-mail address.

#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Scheme and host of the payment service; every service address is this followed by a path.
inline constexpr std::string_view ServiceBaseUrl = "https://www.paypal.com";

// Background of the service's order page.
enum class PageColour { White, Black };

// The stock button pictures of one kind of button, numbered from 1 in table order. The number after the
// last stock picture stands for the merchant's own picture address; 0, and any other number, for none.
// The generators, the button files and the pages all number pictures through these tables.
struct PictureTable {
    std::span<const std::string_view> stockPaths; // path behind ServiceBaseUrl of picture 1, 2, ...

    // The highest picture number of the kind: the merchant's own picture.
    constexpr int OwnPicture() const { return static_cast<int>(stockPaths.size()) + 1; }
    constexpr bool IsStock(int choice) const { return choice >= 1 && choice < OwnPicture(); }
    constexpr std::string_view StockPath(int choice) const {
        return IsStock(choice) ? stockPaths[static_cast<std::size_t>(choice - 1)] : std::string_view{};
    }
};

// A service link: ServiceBaseUrl, then pathAndQuery, then the e-mail address made safe for the query.
// Every byte of the address but A-Z a-z 0-9 - . _ ~ @ is written as %XX with upper-case hex digits, so
// that a "+" does not reach the service as a blank, nor an "&" cut the query.
std::string ServiceLink(std::string_view pathAndQuery, std::string_view email);

} // namespace corvane
