// The generators, the service links and the scrambler on records made of arbitrary bytes. Each output is
// checked against what its readers rely on: a whole form, every value kept inside its quoted attribute,
// a link made only of characters that need no escaping, and a scrambled block that decodes to the form,
// its characters outside ASCII carried as references.

#include "generate/Cart.h"
#include "generate/Scrambler.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"
#include "generate/Text.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

using namespace corvane;

void Require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "generator_fuzzer: %s\n", property);
    std::fflush(stderr);
    __builtin_trap();
}

std::size_t CountOf(std::string_view text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

// The texts of each kind of record, with whether the form shows them: the own picture's address only
// when it is chosen, the note title only with the note, the payment count only when payments stop.
template <typename B, typename Use>
requires std::same_as<std::remove_const_t<B>, SingleItemButton>
void Texts(B& b, const Use& use) {
    for (auto* text : {&b.Email, &b.Name, &b.Number, &b.Price, &b.Success, &b.Cancelled})
        use(*text, true);
    use(b.OwnURL, b.ImageChoice == SingleItemPictures.OwnPicture());
    use(b.NoteTitle, b.IncludeNote);
}
template <typename B, typename Use>
requires std::same_as<std::remove_const_t<B>, SubscriptionButton>
void Texts(B& b, const Use& use) {
    for (auto* text : {&b.Email, &b.Name, &b.Number, &b.Trial1Amount, &b.Trial1Length, &b.Trial2Amount,
                       &b.Trial2Length, &b.RegularAmount, &b.RegularLength, &b.Success, &b.Cancelled})
        use(*text, true);
    use(b.PaymentCount, b.StopAfter);
    use(b.OwnURL, b.ImageChoice == SubscriptionPictures.OwnPicture());
}
template <typename B, typename Use>
requires std::same_as<std::remove_const_t<B>, CartButton>
void Texts(B& b, const Use& use) {
    for (auto* text : {&b.Email, &b.Name, &b.Number, &b.Price, &b.Success, &b.Cancelled})
        use(*text, true);
    use(b.OwnURL, b.ImageChoice == CartPictures.OwnPicture());
    use(b.NoteTitle, b.IncludeNote);
}

template <typename Button> Button WithoutTexts(Button button) {
    Texts(button, [](std::string& text, bool) { text.clear(); });
    return button;
}

// The form of `button` against the form of the same record with every text emptied. The literals of the
// form do not depend on the texts, so the two differ only by the texts shown, each with its quotes
// written as &quot;: no quote of a value can end its attribute.
template <typename Button>
void CheckForm(const Button& button, const std::string& form, std::string (*generate)(const Button&)) {
    Require(form.starts_with("<form ") && form.ends_with("</form>"), "a form is one whole <form> element");
    const std::string bare = generate(WithoutTexts(button));
    Require(CountOf(form, '"') == CountOf(bare, '"'), "every quote of a form is one of its literals");
    Require(bare.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
            "a form without values is one line");
    std::size_t valueBytes = 0;
    Texts(button, [&](const std::string& text, bool shown) {
        if (shown)
            valueBytes += text.size() + CountOf(text, '"') * (std::string_view("&quot;").size() - 1);
    });
    Require(form.size() == bare.size() + valueBytes, "a form holds each shown value, escaped, and no other");
}

// A service link is the link of the empty address followed by the address, each byte either one that
// passes unencoded or %XX with upper-case hex digits, and nothing else.
bool PassesUnencoded(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '@';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // lower case is not what the service links use
}

void CheckLink(std::string (*link)(std::string_view), std::string_view email) {
    const std::string text = link(email);
    Require(text.starts_with(ServiceBaseUrl), "a link starts with the service's address");
    for (const char c : std::string_view(text).substr(ServiceBaseUrl.size()))
        Require(PassesUnencoded(static_cast<unsigned char>(c)) ||
                    std::string_view("%/:?=&").find(c) != std::string_view::npos,
                "a link holds only characters that need no escaping");

    const std::string stem = link({});
    Require(text.starts_with(stem), "a link is the link of the empty address and then the address");
    std::string decoded;
    for (std::size_t i = stem.size(); i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c != '%') {
            Require(PassesUnencoded(c), "only the bytes that need it are escaped");
            decoded += text[i++];
            continue;
        }
        Require(i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0,
                "an escape is % and two upper-case hex digits");
        const auto byte = static_cast<unsigned char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
        Require(!PassesUnencoded(byte), "a byte that passes unencoded is not escaped");
        decoded += static_cast<char>(byte);
        i += 3;
    }
    Require(decoded == email, "a link's address decodes to the e-mail address");
}

// The scrambled block is the script's opening, then three characters per encoded byte (a filler and two
// hex digits), then a tail that is the same for every text.
constexpr std::string_view ScriptOpening = "<script language=javascript>s=\"";
constexpr std::string_view FillerAlphabet = "aBcDeF.~-^";
constexpr std::size_t FixedBlockBytes = 618;

// The text in a block's first value, checking each filler against a generator that starts as `filler`
// did. Used once, to learn what the scrambler wraps around the html.
std::string Unscramble(std::string_view block, std::size_t encodedBytes, FillerGenerator& filler) {
    Require(block.size() == 3 * encodedBytes + FixedBlockBytes,
            "a block is 618 bytes and 3 per encoded byte");
    Require(block.starts_with(ScriptOpening), "a block opens the script");
    std::string text;
    for (std::size_t i = 0; i < encodedBytes; ++i) {
        const std::string_view triple = block.substr(ScriptOpening.size() + 3 * i, 3);
        Require(triple[0] == FillerAlphabet[filler.Draw(static_cast<std::uint32_t>(FillerAlphabet.size()))],
                "the fillers are the generator's draws");
        Require(HexValue(triple[1]) >= 0 && HexValue(triple[2]) >= 0, "a byte is two upper-case hex digits");
        text += static_cast<char>(HexValue(triple[1]) * 16 + HexValue(triple[2]));
    }
    return text;
}

struct ScramblerShape {
    std::string spanOpening; // what the scrambler wraps around the html
    std::string spanClosing;
    std::string tail; // the block after its scrambled value
};

// Read from the blocks of two small texts: the html cut off at once by a NUL leaves the opening alone.
ScramblerShape LearnScramblerShape() {
    ScramblerShape shape;
    FillerGenerator filler;
    const std::string empty = EncryptCode({}, filler);
    FillerGenerator replay;
    const std::size_t wrapped = (empty.size() - FixedBlockBytes) / 3;
    const std::string both = Unscramble(empty, wrapped, replay);
    FillerGenerator other;
    const std::string cut = EncryptCode(std::string_view("\0", 1), other);
    FillerGenerator replayCut;
    shape.spanOpening = Unscramble(cut, (cut.size() - FixedBlockBytes) / 3, replayCut);
    Require(shape.spanOpening.size() == 64 && both.size() == 71 && both.starts_with(shape.spanOpening),
            "the span's opening is 64 bytes and its closing 7");
    shape.spanClosing = both.substr(shape.spanOpening.size());
    shape.tail = empty.substr(ScriptOpening.size() + 3 * wrapped);
    return shape;
}

// What scrambling `wrapped` must give between the script's opening and the tail: per byte a filler drawn
// from `filler`, then the byte's two upper-case hex digits. Built whole and compared at once, because the
// fuzzer's own per-byte comparisons would cost more than the scrambling under test.
std::string ExpectedScrambled(std::string_view wrapped, FillerGenerator& filler) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out(3 * wrapped.size(), '\0');
    char* next = out.data();
    for (const char c : wrapped) {
        const auto byte = static_cast<unsigned char>(c);
        *next++ = FillerAlphabet.data()[filler.Draw(static_cast<std::uint32_t>(FillerAlphabet.size()))];
        *next++ = hex[byte >> 4];
        *next++ = hex[byte & 15];
    }
    return out;
}

// The characters that a text with numeric character references stands for, read as a browser reads
// them; a byte of U+0080 to U+009F stands for itself.
std::u32string ReadReferences(std::string_view text) {
    std::u32string characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (text.substr(i, 2) != "&#") {
            characters.push_back(byte);
            continue;
        }
        char32_t c = 0;
        for (i += 2; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            c = c * 10 + static_cast<char32_t>(text[i] - '0');
        Require(i < text.size() && text[i] == ';', "a reference ends with a semicolon");
        characters.push_back(c);
    }
    return characters;
}

// Before scrambling, every character outside ASCII becomes a reference, which the browser turns back
// into that character; but for U+0080 to U+009F, whose references it would read as Windows-1252 letters.
void CheckReferences(std::string_view html, std::string_view referenced) {
    const bool ascii = std::all_of(html.begin(), html.end(), [](char c) { return c >= 0; });
    if (ascii) {
        Require(referenced == html, "ASCII text is scrambled as it stands");
        return;
    }
    for (const char c : referenced)
        Require(static_cast<unsigned char>(c) <= 0x9F,
                "referenced text is ASCII but for the control characters U+0080 to U+009F");
    if (html.find('&') == std::string_view::npos) // else the html's own text could read as a reference
        Require(ReadReferences(referenced) ==
                    DecodeText(html, EncodingOf(html.substr(0, std::min(html.find('\0'), html.size())))),
                "the references stand for the html's characters, in the encoding of the text before its NUL");
}

void CheckScrambled(std::string_view html) {
    static const ScramblerShape shape = LearnScramblerShape();
    FillerGenerator filler;
    const std::string block = EncryptCode(html, filler);
    const std::string referenced = WithCharacterReferences(html);
    CheckReferences(html, referenced);

    // Encoding stops at the first NUL of the wrapped text; only the html can hold one.
    const std::size_t nul = referenced.find('\0');
    std::string wrapped = shape.spanOpening;
    wrapped.append(std::string_view(referenced).substr(0, nul));
    if (nul == std::string_view::npos)
        wrapped.append(shape.spanClosing);

    const std::size_t n = wrapped.size();
    Require(block.size() == 3 * n + FixedBlockBytes, "a block is 618 bytes and 3 per encoded byte");
    const std::string_view view(block);
    FillerGenerator replay;
    Require(view.substr(0, ScriptOpening.size()) == ScriptOpening &&
                view.substr(ScriptOpening.size(), 3 * n) == ExpectedScrambled(wrapped, replay) &&
                view.substr(ScriptOpening.size() + 3 * n) == shape.tail,
            "a block is the wrapped html scrambled, between a fixed opening and a fixed tail");
    Require(replay.Seed() == filler.Seed(), "the generator advances by one draw per encoded byte");
}

int ConsumePicture(FuzzedDataProvider& data) {
    return data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(-1, 12) : data.ConsumeIntegral<int>();
}

PageColour ConsumeColour(FuzzedDataProvider& data) {
    return data.ConsumeBool() ? PageColour::White : PageColour::Black;
}

std::string ConsumeText(FuzzedDataProvider& data) {
    return data.ConsumeRandomLengthString(128);
}

SingleItemButton ConsumeSingleItem(FuzzedDataProvider& data) {
    SingleItemButton b;
    for (auto* text :
         {&b.Email, &b.Name, &b.Number, &b.Price, &b.Success, &b.Cancelled, &b.OwnURL, &b.NoteTitle})
        *text = ConsumeText(data);
    b.ImageChoice = ConsumePicture(data);
    for (bool* flag : {&b.Shipping, &b.Multiple, &b.IncludeNote, &b.Encrypt})
        *flag = data.ConsumeBool();
    b.PageColour = ConsumeColour(data);
    return b;
}

SubscriptionButton ConsumeSubscription(FuzzedDataProvider& data) {
    SubscriptionButton b;
    for (auto* text :
         {&b.Email, &b.Name, &b.Number, &b.Trial1Amount, &b.Trial1Length, &b.Trial2Amount, &b.Trial2Length,
          &b.RegularAmount, &b.RegularLength, &b.PaymentCount, &b.Success, &b.Cancelled, &b.OwnURL})
        *text = ConsumeText(data);
    for (int* unit : {&b.Trial1Unit, &b.Trial2Unit, &b.RegularUnit})
        *unit = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(-1, 5) : data.ConsumeIntegral<int>();
    b.ImageChoice = ConsumePicture(data);
    for (bool* flag : {&b.StopAfter, &b.Encrypt})
        *flag = data.ConsumeBool();
    b.PageColour = ConsumeColour(data);
    return b;
}

CartButton ConsumeCart(FuzzedDataProvider& data) {
    CartButton b;
    for (auto* text :
         {&b.Email, &b.Name, &b.Number, &b.Price, &b.Success, &b.Cancelled, &b.OwnURL, &b.NoteTitle})
        *text = ConsumeText(data);
    b.ImageChoice = ConsumePicture(data);
    for (bool* flag : {&b.Shipping, &b.IncludeNote, &b.Encrypt})
        *flag = data.ConsumeBool();
    b.PageColour = ConsumeColour(data);
    return b;
}

template <typename Button> void CheckButton(const Button& button, std::string (*generate)(const Button&)) {
    const std::string form = generate(button);
    CheckForm(button, form, generate);
    CheckScrambled(form);
    CheckLink(CancelSubscriptionLink, button.Email);
    CheckLink(ViewCartLink, button.Email);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    CheckButton(ConsumeSingleItem(provider), GenerateSingleItemCode);
    CheckButton(ConsumeSubscription(provider), GenerateSubscriptionCode);
    CheckButton(ConsumeCart(provider), GenerateCartCode);
    return 0;
}
