#include "generate/Scrambler.h"

#include "generate/Text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace corvane {

namespace {

// The decoded HTML sits in a span that turns off the context menu and dragging over the button. The
// ondragstart value closes its quote before the semicolon; browsers accept it, and it is kept as it is.
constexpr std::string_view SpanOpening =
    "<span oncontextmenu=\"return false;\" ondragstart=\"return false\";>";
constexpr std::string_view SpanClosing = "</span>";
constexpr std::string_view FillerAlphabet = "aBcDeF.~-^";
constexpr std::string_view ScriptOpening = "<script language=javascript>s=\"";
constexpr std::string_view ValueEnd = "\";";
constexpr std::string_view SecondVariable = "c=\"";
// Turns every filler of `s` into "%" and writes the unescaped text into the page.
constexpr std::string_view WriterScript = "t2=\"\";for(i2=0;i2<s.length;i2++){if(i2%3==0)t2+=\"%\";else "
                                          "t2+=s.charAt(i2);}document.write(unescape(t2));t2=\"\";";
constexpr std::string_view LoaderCall = "eval(unescape(\"";
// Puts "%" before every digit pair of `c` and runs the writer script that this yields.
constexpr std::string_view LoaderScript =
    "t=\"\";for(i=0;i<c.length;i++){if(i%2==0)t+=\"%\";t+=c.charAt(i);}eval(unescape(t));t=\"\";";
constexpr std::string_view CallEnd = "\"));";
constexpr std::string_view Closing =
    "</script><noscript>This order button requires a JavaScript-enabled browser.</noscript>";

constexpr char HexDigits[] = "0123456789ABCDEF";

char* PutHex(char* out, unsigned char byte) {
    out[0] = HexDigits[byte >> 4];
    out[1] = HexDigits[byte & 15];
    return out + 2;
}

char* Put(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

// Encodes the bytes of `text` as filler plus two hex digits each.
char* PutScrambled(char* out, std::string_view text, FillerGenerator& filler) {
    for (const char c : text) {
        *out++ = FillerAlphabet[filler.Draw(static_cast<std::uint32_t>(FillerAlphabet.size()))];
        out = PutHex(out, static_cast<unsigned char>(c));
    }
    return out;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string WithCharacterReferences(std::string_view html) {
    if (IsAscii(html))
        return std::string(html);
    std::string referenced;
    referenced.reserve(html.size() + html.size() / 2);
    // Decided from the text up to its first NUL, the part that is encoded, as a button file's encoding is.
    const TextEncoding encoding = EncodingOf(html.substr(0, std::min(html.find('\0'), html.size())));
    for (const char32_t c : DecodeText(html, encoding)) {
        if (c <= 0x9F) {
            referenced.push_back(static_cast<char>(c));
            continue;
        }
        char digits[16];
        char* end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(c)).ptr;
        referenced.append("&#").append(digits, static_cast<std::size_t>(end - digits)).push_back(';');
    }
    return referenced;
}

FillerGenerator& ProcessFillerGenerator() {
    static FillerGenerator generator;
    return generator;
}

std::string EncryptCode(std::string_view html, FillerGenerator& filler) {
    std::string referenced;
    if (!IsAscii(html)) {
        referenced = WithCharacterReferences(html);
        html = referenced;
    }
    // Encoding stops at the first NUL byte of the span-wrapped text. The span tags hold none, so only the
    // html can: then its rest and the closing span tag are left out.
    const std::string_view nulFree = html.substr(0, std::min(html.find('\0'), html.size()));
    const bool cut = nulFree.size() < html.size();
    const std::string_view closing = cut ? std::string_view{} : SpanClosing;
    const std::size_t encodedBytes = SpanOpening.size() + nulFree.size() + closing.size();

    const std::size_t length = ScriptOpening.size() + 3 * encodedBytes + ValueEnd.size() +
                               SecondVariable.size() + 2 * WriterScript.size() + ValueEnd.size() +
                               LoaderCall.size() + 3 * LoaderScript.size() + CallEnd.size() + Closing.size();
    std::string block(length, '\0');
    char* out = block.data();

    out = Put(out, ScriptOpening);
    out = PutScrambled(out, SpanOpening, filler);
    out = PutScrambled(out, nulFree, filler);
    out = PutScrambled(out, closing, filler);
    out = Put(out, ValueEnd);
    out = Put(out, SecondVariable);
    for (const char c : WriterScript)
        out = PutHex(out, static_cast<unsigned char>(c));
    out = Put(out, ValueEnd);
    out = Put(out, LoaderCall);
    for (const char c : LoaderScript) {
        *out++ = '%';
        out = PutHex(out, static_cast<unsigned char>(c));
    }
    out = Put(out, CallEnd);
    Put(out, Closing);
    return block;
}

std::string EncryptCode(std::string_view html) {
    return EncryptCode(html, ProcessFillerGenerator());
}

} // namespace corvane
