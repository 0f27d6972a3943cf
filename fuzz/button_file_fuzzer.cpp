// Button files from untrusted bytes: the input is read as the content of a file, cut into lines, sorted
// by kind and decoded as all three kinds of record; every decoded record is written out and read back.
// The same bytes then describe a record field by field, so that the writer also meets values that no file
// decodes to (pictures and units out of range, texts holding line breaks).

#include "files/ButtonFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace corvane;

void Require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "button_file_fuzzer: %s\n", property);
    std::fflush(stderr);
    __builtin_trap();
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The lines as the reading rules describe them, cut without looking at ButtonFileLines: CR LF, a lone CR
// and a lone LF each end a line, and text after the last line end is one more line.
std::vector<std::string_view> ExpectedLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        lines.push_back(content.substr(start, i - start));
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.push_back(content.substr(start));
    return lines;
}

void CheckLines(std::string_view bytes, const ButtonFileLines& lines) {
    // The encoding is decided once, from the whole content up to its NUL; a content not valid in the
    // system's encoding is Windows-1252, rewritten in the system's.
    const std::string_view raw = bytes.substr(0, bytes.find('\0'));
    const bool system = IsSystemText(raw);
    Require(lines.Encoding() == (system ? TextEncoding::System : TextEncoding::Windows1252),
            "the encoding is that of the whole content");
    const std::string content = system ? std::string(raw) : SystemTextFromWindows1252(raw);

    // Only the lines a layout can use are kept.
    std::vector<std::string_view> expected = ExpectedLines(content);
    if (expected.size() > ButtonFileLines::MaxLines)
        expected.resize(ButtonFileLines::MaxLines);
    Require(lines.Count() == expected.size(), "line count");
    Require(lines.Line(0).empty() && lines.Line(lines.Count() + 1).empty(),
            "lines outside the file are empty");
    for (std::size_t number = 1; number <= lines.Count(); ++number) {
        Require(!HasLineBreakOrNul(lines.Line(number)), "a line holds no CR, LF or NUL");
        Require(lines.Line(number) == expected[number - 1],
                "the lines are the content between its line ends");
    }
}

// Read in pieces, cut anywhere, the content gives the lines it gives whole.
void CheckPieces(std::string_view bytes, std::size_t cut, const ButtonFileLines& whole) {
    cut = bytes.empty() ? 0 : cut % bytes.size();
    ButtonFileReader reader;
    if (reader.Add(bytes.substr(0, cut)))
        reader.Add(bytes.substr(cut));
    const ButtonFileLines pieces = reader.Finish();
    Require(pieces.Count() == whole.Count() && pieces.Encoding() == whole.Encoding(),
            "read in pieces, the same lines");
    for (std::size_t number = 1; number <= whole.Count(); ++number)
        Require(pieces.Line(number) == whole.Line(number), "read in pieces, the same lines");
}

// The unit-line reader as its contract states it, in 64 bits that saturate instead of overflowing.
std::optional<std::int32_t> ExpectedInteger(std::string_view line) {
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    int base = 10;
    bool negative = false;
    if (line.starts_with("0x") || line.starts_with("0X")) {
        base = 16;
        line.remove_prefix(2);
    } else if (!line.empty() && (line.front() == '$' || line.front() == 'x' || line.front() == 'X')) {
        base = 16;
        line.remove_prefix(1);
    } else if (!line.empty() && (line.front() == '+' || line.front() == '-')) {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }
    constexpr std::uint64_t tooBig = std::uint64_t{1} << 33;
    std::uint64_t magnitude = 0;
    for (const char c : line) {
        int digit = base;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= base)
            break;
        if (magnitude < tooBig)
            magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (magnitude >= tooBig)
        return std::nullopt;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// What each kind of record goes through: its reader, its texts, the numbers that the file cannot hold
// as they are, and the lines of its file.
struct SingleItemKind {
    using Button = SingleItemButton;
    static constexpr ButtonKind FileKind = ButtonKind::SingleItem;
    static constexpr std::size_t FileLines = 14;
    static Button Decode(const ButtonFileLines& lines) { return DecodeSingleItem(lines); }
    template <typename B, typename Use> static void Texts(B& b, const Use& use) {
        for (auto* text :
             {&b.Email, &b.Name, &b.Number, &b.Price, &b.Success, &b.Cancelled, &b.OwnURL, &b.NoteTitle})
            use(*text);
    }
    template <typename Use> static void Numbers(Button& b, const Use& use) {
        use(b.ImageChoice, SingleItemPictures.OwnPicture(), true);
    }
    template <typename Use> static void Flags(Button& b, const Use& use) {
        for (bool* flag : {&b.Shipping, &b.Multiple, &b.IncludeNote, &b.Encrypt})
            use(*flag);
    }
    static PageColour& Colour(Button& b) { return b.PageColour; }
};

struct SubscriptionKind {
    using Button = SubscriptionButton;
    static constexpr ButtonKind FileKind = ButtonKind::Subscription;
    static constexpr std::size_t FileLines = 21;
    static Button Decode(const ButtonFileLines& lines) { return DecodeSubscription(lines); }
    template <typename B, typename Use> static void Texts(B& b, const Use& use) {
        for (auto* text : {&b.Email, &b.Name, &b.Number, &b.Trial1Amount, &b.Trial1Length, &b.Trial2Amount,
                           &b.Trial2Length, &b.RegularAmount, &b.RegularLength, &b.PaymentCount, &b.Success,
                           &b.Cancelled, &b.OwnURL})
            use(*text);
    }
    template <typename Use> static void Numbers(Button& b, const Use& use) {
        for (int* unit : {&b.Trial1Unit, &b.Trial2Unit, &b.RegularUnit})
            use(*unit, 0, false);
        use(b.ImageChoice, SubscriptionPictures.OwnPicture(), true);
    }
    template <typename Use> static void Flags(Button& b, const Use& use) {
        for (bool* flag : {&b.StopAfter, &b.Encrypt})
            use(*flag);
    }
    static PageColour& Colour(Button& b) { return b.PageColour; }
};

struct CartKind {
    using Button = CartButton;
    static constexpr ButtonKind FileKind = ButtonKind::Cart;
    static constexpr std::size_t FileLines = 14;
    static Button Decode(const ButtonFileLines& lines) { return DecodeCart(lines); }
    template <typename B, typename Use> static void Texts(B& b, const Use& use) {
        for (auto* text :
             {&b.Email, &b.Name, &b.Number, &b.Price, &b.Success, &b.Cancelled, &b.OwnURL, &b.NoteTitle})
            use(*text);
    }
    template <typename Use> static void Numbers(Button& b, const Use& use) {
        use(b.ImageChoice, CartPictures.OwnPicture(), true);
    }
    template <typename Use> static void Flags(Button& b, const Use& use) {
        for (bool* flag : {&b.Shipping, &b.IncludeNote, &b.Encrypt})
            use(*flag);
    }
    static PageColour& Colour(Button& b) { return b.PageColour; }
};

// A picture number outside 1 to the own picture is written as an empty line and reads back as no picture
// (0); a unit outside the list is written and read back as -1, no entry selected.
template <typename Kind> typename Kind::Button AsReadBack(typename Kind::Button button) {
    Kind::Numbers(button, [](int& number, int ownPicture, bool picture) {
        if (picture)
            number = number >= 1 && number <= ownPicture ? number : 0;
        else
            number = number >= 0 && number < static_cast<int>(PeriodUnits.size()) ? number : -1;
    });
    return button;
}

template <typename Kind> bool TextsHoldNoLineBreak(const typename Kind::Button& button) {
    bool clean = true;
    Kind::Texts(button, [&](const std::string& text) { clean = clean && !HasLineBreakOrNul(text); });
    return clean;
}

// Writes `button` and reads it back. When no text holds a line break or NUL, and the texts are valid in
// the system's encoding (those of the pages always are), the record that comes back is the one written,
// save the numbers that the file cannot hold, and writing it again gives the same bytes.
template <typename Kind> void CheckRoundTrip(const typename Kind::Button& button) {
    const std::string bytes = ButtonFileBytes(button);
    const ButtonFileLines lines = ButtonFileLines::FromBytes(bytes);
    const typename Kind::Button readBack = Kind::Decode(lines);
    if (!TextsHoldNoLineBreak<Kind>(button))
        return;
    if (!IsSystemText(bytes)) {
        Require(lines.Encoding() == TextEncoding::Windows1252, "a file of other bytes reads as Windows-1252");
        return;
    }
    Require(lines.Count() == Kind::FileLines, "a written file has one line per field");
    Require(readBack == AsReadBack<Kind>(button), "a written record reads back as written");
    Require(ButtonFileBytes(readBack) == bytes, "a record read back writes the same bytes");

    // A single-item file has no tag line, so one whose e-mail is a tag is taken for another kind. The
    // e-mail field of the page never holds such a text in practice; the format cannot tell them apart.
    const ButtonKind kind = ButtonFileKind(lines);
    if constexpr (Kind::FileKind == ButtonKind::SingleItem) {
        if (button.Email == ".subscription" || button.Email == ".cart")
            return;
    }
    Require(kind == Kind::FileKind, "a written file is of its record's kind");
}

template <typename Kind> void CheckDecoded(const typename Kind::Button& button) {
    Require(TextsHoldNoLineBreak<Kind>(button), "a decoded text holds no CR, LF or NUL");
    Require(AsReadBack<Kind>(button) == button, "a decoded number is one that the file can hold");
    CheckRoundTrip<Kind>(button);
}

template <typename Kind> typename Kind::Button ConsumeButton(FuzzedDataProvider& data) {
    typename Kind::Button button;
    Kind::Texts(button, [&](std::string& text) { text = data.ConsumeRandomLengthString(64); });
    Kind::Numbers(button, [&](int& number, int, bool) {
        number = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(-2, 12) : data.ConsumeIntegral<int>();
    });
    Kind::Flags(button, [&](bool& flag) { flag = data.ConsumeBool(); });
    Kind::Colour(button) = data.ConsumeBool() ? PageColour::White : PageColour::Black;
    return button;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The input as a file.
    const ButtonFileLines lines = ButtonFileLines::FromBytes(bytes);
    CheckLines(bytes, lines);
    CheckPieces(bytes, size > 0 ? data[0] * 131u + size / 2 : 0, lines);
    const ButtonKind kind = ButtonFileKind(lines);
    Require(kind == (lines.Line(1) == ".subscription" ? ButtonKind::Subscription
                     : lines.Line(1) == ".cart"       ? ButtonKind::Cart
                                                      : ButtonKind::SingleItem),
            "the kind is that of the first line");
    for (std::size_t number = 1; number <= lines.Count(); ++number)
        Require(ReadInteger(lines.Line(number)) == ExpectedInteger(lines.Line(number)),
                "a unit line reads as the number it spells");

    // Every kind of record decoded from it, whatever its tag line says: decoded texts never hold a line
    // break, so these must come back exactly.
    CheckDecoded<SingleItemKind>(DecodeSingleItem(lines));
    CheckDecoded<SubscriptionKind>(DecodeSubscription(lines));
    CheckDecoded<CartKind>(DecodeCart(lines));

    // The input as the fields of records.
    FuzzedDataProvider provider(data, size);
    CheckRoundTrip<SingleItemKind>(ConsumeButton<SingleItemKind>(provider));
    CheckRoundTrip<SubscriptionKind>(ConsumeButton<SubscriptionKind>(provider));
    CheckRoundTrip<CartKind>(ConsumeButton<CartKind>(provider));
    return 0;
}
