#pragma once

// Button files: one button definition as 8-bit text, one value per line, each line ended by CR LF. The
// meaning of a line is given by its position alone. A subscription file starts with the tag line
// ".subscription", a cart file with ".cart"; a single-item file has no tag line.

#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"
#include "generate/Text.h"

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
// the end reads as the empty text, so short files read as if their missing lines were empty. Only the
// lines that a layout can use are kept.
//
// The lines are text in the system's encoding. A file whose content is not valid there was made by the
// Windows program in Windows-1252, and its lines have been rewritten in the system's encoding.
class ButtonFileLines {
public:
    // The most lines that a layout reads: the tag line and the 20 values of a subscription file.
    static constexpr std::size_t MaxLines = 21;

    ButtonFileLines() = default;
    static ButtonFileLines FromBytes(std::string_view content);

    // Line `number`, counted from 1; the empty text past the end.
    std::string_view Line(std::size_t number) const;
    // The number of lines kept: those of the file, up to MaxLines.
    std::size_t Count() const { return lines_.size(); }
    // How the file's bytes stood for characters.
    TextEncoding Encoding() const { return encoding_; }

private:
    friend class ButtonFileReader;
    ButtonFileLines(std::string content, TextEncoding encoding);

    std::string content_;
    TextEncoding encoding_ = TextEncoding::System;
    std::vector<std::pair<std::size_t, std::size_t>> lines_; // offset and length of each line
};

// Takes the content of a button file as it is read, piece by piece, and keeps only the lines a layout can
// use; the rest is looked at only to tell the file's encoding. Memory grows with those lines, however
// many lines follow them.
class ButtonFileReader {
public:
    // Takes the next piece of the content. False once the content has ended at a NUL byte: nothing after
    // it counts.
    bool Add(std::string_view piece);
    ButtonFileLines Finish();

private:
    std::string kept_; // the content up to the end of line MaxLines
    std::size_t lineEnds_ = 0;
    bool afterCr_ = false; // the last byte kept was a CR, which an LF at the start of the next piece joins
    bool full_ = false;
    bool ended_ = false;
    SystemTextCheck text_;
};

enum class ButtonKind { SingleItem, Subscription, Cart };

// Reads the file at `path` to its end, or to its first NUL byte. Throws FileError "Cannot open file PATH"
// when it cannot be read or is no regular file, and "PATH (SIZE) is too large to be a button file." when
// it holds more than `maxBytes`.
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
