#pragma once

// Button files: one button definition as 8-bit text, one value per line, each line ended by CR LF. The
// meaning of a line is given by its position alone. A subscription file starts with the tag line
// ".subscription", a cart file with ".cart"; a single-item file has no tag line.

#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// The lines of a button file as the reading rules cut them: the content ends at its first NUL byte; CR
// LF, a lone CR and a lone LF each end a line; text after the last line end is a last line. A line past
// the end reads as the empty text, so short files read as if their missing lines were empty.
class ButtonFileLines {
public:
    ButtonFileLines() = default;
    static ButtonFileLines FromBytes(std::string content);

    // Line `number`, counted from 1; the empty text past the end.
    std::string_view Line(std::size_t number) const;
    std::size_t Count() const { return lines_.size(); }

private:
    std::string content_;
    std::vector<std::pair<std::size_t, std::size_t>> lines_; // offset and length of each line
};

enum class ButtonKind { SingleItem, Subscription, Cart };

// Reads the file at `path` whole. Throws FileError "Cannot open file PATH" when it cannot be read, is no
// regular file, or holds more than `maxBytes`.
ButtonFileLines ReadButtonFile(const std::string& path,
                               std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Subscription when line 1 is exactly ".subscription", cart when it is exactly ".cart", else single item.
ButtonKind ButtonFileKind(const ButtonFileLines& lines);

// The record in the lines, each line read back by its kind of value. They never fail: a line that does
// not read as its kind gives that kind's fallback, and the tag line is not looked at.
SingleItemButton DecodeSingleItem(const ButtonFileLines& lines);
SubscriptionButton DecodeSubscription(const ButtonFileLines& lines);
CartButton DecodeCart(const ButtonFileLines& lines);

// The bytes of the button file of a record.
std::string ButtonFileBytes(const SingleItemButton& button);
std::string ButtonFileBytes(const SubscriptionButton& button);
std::string ButtonFileBytes(const CartButton& button);

// Writes the button file of a record to `path`, replacing the file there without touching it on failure.
// Throws FileError "Cannot create file PATH" or "Stream write error".
void WriteButtonFile(const std::string& path, const SingleItemButton& button);
void WriteButtonFile(const std::string& path, const SubscriptionButton& button);
void WriteButtonFile(const std::string& path, const CartButton& button);

// How a unit line is read: after leading blanks either a hex prefix ("$", "x", "X", "0x", "0X") and hex
// digits, or an optional sign and decimal digits, up to the first character that is no such digit. A
// line without digits gives 0. Nothing when the number does not fit a signed 32-bit integer.
std::optional<std::int32_t> ReadInteger(std::string_view line);

} // namespace corvane
