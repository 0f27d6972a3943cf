#include "files/ButtonFile.h"

#include "files/FileError.h"
#include "files/PlatformFiles.h"
#include "files/SafeWrite.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <memory>
#include <span>

namespace corvane {

ButtonFileLines::ButtonFileLines(std::string content, TextEncoding encoding)
    : content_(std::move(content)), encoding_(encoding) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < content_.size(); ++i) {
        if (content_[i] != '\r' && content_[i] != '\n')
            continue;
        lines_.emplace_back(start, i - start);
        if (content_[i] == '\r' && i + 1 < content_.size() && content_[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content_.size())
        lines_.emplace_back(start, content_.size() - start);
}

ButtonFileLines ButtonFileLines::FromBytes(std::string_view content) {
    ButtonFileReader reader;
    reader.Add(content);
    return reader.Finish();
}

std::string_view ButtonFileLines::Line(std::size_t number) const {
    if (number < 1 || number > lines_.size())
        return {};
    const auto [offset, length] = lines_[number - 1];
    return std::string_view(content_).substr(offset, length);
}

bool ButtonFileReader::Add(std::string_view piece) {
    if (ended_)
        return false;
    if (const std::size_t nul = piece.find('\0'); nul != std::string_view::npos) {
        piece = piece.substr(0, nul);
        ended_ = true;
    }
    text_.Add(piece);
    if (full_)
        return !ended_;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c == '\n' && afterCr_) { // the second byte of a CR LF
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == '\r';
        if ((c == '\r' || c == '\n') && ++lineEnds_ == ButtonFileLines::MaxLines) {
            kept_.append(piece.substr(0, i + 1));
            full_ = true;
            return !ended_;
        }
    }
    kept_.append(piece);
    return !ended_;
}

ButtonFileLines ButtonFileReader::Finish() {
    if (text_.Finish())
        return ButtonFileLines(std::move(kept_), TextEncoding::System);
    return ButtonFileLines(SystemTextFromWindows1252(kept_), TextEncoding::Windows1252);
}

ButtonFileLines ReadButtonFile(const std::string& path, std::size_t maxBytes) {
    platform::InputFile file;
    if (!file.Open(path))
        throw FileError::CannotOpen(path);
    if (file.Size() > maxBytes)
        throw FileError::TooLarge(path, file.Size());
    ButtonFileReader reader;
    constexpr std::size_t PieceSize = 64 * 1024;
    const std::unique_ptr<char[]> piece(new char[PieceSize]);
    std::uint64_t total = 0;
    for (;;) {
        const std::optional<std::size_t> got = file.Read(piece.get(), PieceSize);
        if (!got)
            throw FileError::CannotOpen(path);
        if (*got == 0)
            break;
        total += *got;
        if (total > maxBytes) // it grew while being read
            throw FileError::TooLarge(path, total);
        if (!reader.Add({piece.get(), *got}))
            break;
    }
    return reader.Finish();
}

namespace {

constexpr std::string_view SubscriptionTag = ".subscription";
constexpr std::string_view CartTag = ".cart";
constexpr std::string_view LineEnd = "\r\n";

// One line of a file layout: which field it holds and how that kind of value is written and read.
template <typename Record> struct FieldLine {
    enum class Kind { Text, Flag, Colour, Picture, Unit };
    Kind kind;
    std::string Record::*text = nullptr;
    bool Record::*flag = nullptr;
    PageColour Record::*colour = nullptr;
    int Record::*number = nullptr; // the picture choice or the unit index
};

template <typename Record> constexpr FieldLine<Record> Text(std::string Record::*field) {
    return {FieldLine<Record>::Kind::Text, field};
}
template <typename Record> constexpr FieldLine<Record> Flag(bool Record::*field) {
    return {FieldLine<Record>::Kind::Flag, nullptr, field};
}
template <typename Record> constexpr FieldLine<Record> Colour(PageColour Record::*field) {
    return {FieldLine<Record>::Kind::Colour, nullptr, nullptr, field};
}
template <typename Record> constexpr FieldLine<Record> Picture(int Record::*field) {
    return {FieldLine<Record>::Kind::Picture, nullptr, nullptr, nullptr, field};
}
template <typename Record> constexpr FieldLine<Record> Unit(int Record::*field) {
    return {FieldLine<Record>::Kind::Unit, nullptr, nullptr, nullptr, field};
}

template <typename Record> struct FileLayout {
    std::string_view tag; // the first line; none when empty
    const PictureTable& pictures;
    std::span<const FieldLine<Record>> fields; // the lines after the tag, in order
};

using S = SingleItemButton;
constexpr std::array SingleItemLines = {
    Text(&S::Email),        Text(&S::Name),      Text(&S::Number),         Text(&S::Price),
    Text(&S::Success),      Text(&S::Cancelled), Picture(&S::ImageChoice), Text(&S::OwnURL),
    Flag(&S::Shipping),     Flag(&S::Multiple),  Flag(&S::IncludeNote),    Text(&S::NoteTitle),
    Colour(&S::PageColour), Flag(&S::Encrypt),
};
constexpr FileLayout<S> SingleItemLayout{{}, SingleItemPictures, SingleItemLines};

using U = SubscriptionButton;
constexpr std::array SubscriptionLines = {
    Text(&U::Email),        Text(&U::Name),           Text(&U::Number),        Text(&U::Trial1Amount),
    Text(&U::Trial1Length), Unit(&U::Trial1Unit),     Text(&U::Trial2Amount),  Text(&U::Trial2Length),
    Unit(&U::Trial2Unit),   Text(&U::RegularAmount),  Text(&U::RegularLength), Unit(&U::RegularUnit),
    Flag(&U::StopAfter),    Text(&U::PaymentCount),   Colour(&U::PageColour),  Text(&U::Success),
    Text(&U::Cancelled),    Picture(&U::ImageChoice), Text(&U::OwnURL),        Flag(&U::Encrypt),
};
constexpr FileLayout<U> SubscriptionLayout{SubscriptionTag, SubscriptionPictures, SubscriptionLines};

using C = CartButton;
constexpr std::array CartLines = {
    Text(&C::Email),    Text(&C::Name),        Text(&C::Number),         Text(&C::Price),
    Text(&C::Success),  Text(&C::Cancelled),   Picture(&C::ImageChoice), Text(&C::OwnURL),
    Flag(&C::Shipping), Flag(&C::IncludeNote), Text(&C::NoteTitle),      Colour(&C::PageColour),
    Flag(&C::Encrypt),
};
constexpr FileLayout<C> CartLayout{CartTag, CartPictures, CartLines};

template <typename Record> constexpr std::size_t LinesOf(const FileLayout<Record>& layout) {
    return (layout.tag.empty() ? 0 : 1) + layout.fields.size();
}
static_assert(ButtonFileLines::MaxLines ==
                  std::max({LinesOf(SingleItemLayout), LinesOf(SubscriptionLayout), LinesOf(CartLayout)}),
              "the lines kept are those of the longest layout");

// Short values are formatted into this, so that writing a file allocates only its text.
struct NumberText {
    char digits[16];
    std::size_t size = 0;
    explicit NumberText(int value) {
        size = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    }
    std::string_view View() const { return {digits, size}; }
};

template <typename Record, typename Use>
void WithLineText(const FileLayout<Record>& layout, const FieldLine<Record>& line, const Record& record,
                  const Use& use) {
    using Kind = typename FieldLine<Record>::Kind;
    switch (line.kind) {
    case Kind::Text:
        return use(std::string_view(record.*line.text));
    case Kind::Flag:
        return use(std::string_view(record.*line.flag ? "1" : "0"));
    case Kind::Colour:
        return use(std::string_view(record.*line.colour == PageColour::White ? "1" : "2"));
    case Kind::Picture: {
        // "No picture chosen" is written as an empty line.
        const int choice = record.*line.number;
        return choice >= 1 && choice <= layout.pictures.OwnPicture() ? use(NumberText(choice).View())
                                                                     : use(std::string_view{});
    }
    case Kind::Unit: {
        const int unit = record.*line.number;
        const bool listed = unit >= 0 && unit < static_cast<int>(PeriodUnits.size());
        return use(NumberText(listed ? unit : -1).View());
    }
    }
}

template <typename Record> std::string Encode(const FileLayout<Record>& layout, const Record& record) {
    std::size_t size = layout.tag.empty() ? 0 : layout.tag.size() + LineEnd.size();
    for (const auto& line : layout.fields)
        WithLineText(layout, line, record,
                     [&](std::string_view text) { size += text.size() + LineEnd.size(); });
    std::string bytes;
    bytes.reserve(size);
    if (!layout.tag.empty())
        bytes.append(layout.tag).append(LineEnd);
    for (const auto& line : layout.fields)
        WithLineText(layout, line, record,
                     [&](std::string_view text) { bytes.append(text).append(LineEnd); });
    return bytes;
}

// A picture line counts only as the plain decimal form of a number from 1 to the own picture: no sign,
// no blank, no leading zero.
int ReadPicture(std::string_view line, const PictureTable& pictures) {
    if (line.empty() || line.size() > 2 || line[0] == '0')
        return 0;
    int choice = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            return 0;
        choice = choice * 10 + (c - '0');
    }
    return choice <= pictures.OwnPicture() ? choice : 0;
}

int ReadUnit(std::string_view line) {
    const std::optional<std::int32_t> value = ReadInteger(line);
    return value && *value >= 0 && *value < static_cast<int>(PeriodUnits.size()) ? *value : -1;
}

template <typename Record> Record Decode(const FileLayout<Record>& layout, const ButtonFileLines& lines) {
    using Kind = typename FieldLine<Record>::Kind;
    Record record;
    std::size_t number = layout.tag.empty() ? 1 : 2;
    for (const auto& field : layout.fields) {
        const std::string_view line = lines.Line(number++);
        switch (field.kind) {
        case Kind::Text:
            record.*field.text = std::string(line);
            break;
        case Kind::Flag:
            record.*field.flag = line == "1";
            break;
        case Kind::Colour:
            record.*field.colour = line == "1" ? PageColour::White : PageColour::Black;
            break;
        case Kind::Picture:
            record.*field.number = ReadPicture(line, layout.pictures);
            break;
        case Kind::Unit:
            record.*field.number = ReadUnit(line);
            break;
        }
    }
    return record;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 99;
}

} // namespace

std::optional<std::int32_t> ReadInteger(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ')
        ++i;
    const std::string_view rest = line.substr(i);
    int base = 10;
    bool negative = false;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        base = 16;
        i += 1;
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        i += 2;
    } else if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        i += 1;
    }
    // Accumulate in 64 bits and stop as soon as the value leaves the 32-bit range: never wrap round.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < line.size(); ++i) {
        const int digit = DigitValue(line[i]);
        if (digit >= base)
            break;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

ButtonKind ButtonFileKind(const ButtonFileLines& lines) {
    const std::string_view first = lines.Line(1);
    if (first == SubscriptionTag)
        return ButtonKind::Subscription;
    if (first == CartTag)
        return ButtonKind::Cart;
    return ButtonKind::SingleItem;
}

SingleItemButton DecodeSingleItem(const ButtonFileLines& lines) {
    return Decode(SingleItemLayout, lines);
}
SubscriptionButton DecodeSubscription(const ButtonFileLines& lines) {
    return Decode(SubscriptionLayout, lines);
}
CartButton DecodeCart(const ButtonFileLines& lines) {
    return Decode(CartLayout, lines);
}

std::string ButtonFileBytes(const SingleItemButton& button) {
    return Encode(SingleItemLayout, button);
}
std::string ButtonFileBytes(const SubscriptionButton& button) {
    return Encode(SubscriptionLayout, button);
}
std::string ButtonFileBytes(const CartButton& button) {
    return Encode(CartLayout, button);
}

void WriteButtonFile(const std::string& path, const SingleItemButton& button) {
    WriteFileAtomically(path, ButtonFileBytes(button));
}
void WriteButtonFile(const std::string& path, const SubscriptionButton& button) {
    WriteFileAtomically(path, ButtonFileBytes(button));
}
void WriteButtonFile(const std::string& path, const CartButton& button) {
    WriteFileAtomically(path, ButtonFileBytes(button));
}

} // namespace corvane
