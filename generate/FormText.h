#pragma once

// Assembles the one line of a button's HTML form. A generator describes its form once, as a function
// that writes literals and values to a sink; BuildForm runs that description twice, first to measure the
// text and then to write it into a string allocated once at its final length.

#include "generate/ButtonCommon.h"

#include <cstring>
#include <string>
#include <string_view>

namespace corvane::form {

// Every value lands inside a double-quoted attribute. A raw quote would end the attribute early (an item
// named 12" pizza reached the service as 12), so it is written as &quot;. Nothing else is touched: text
// without a quote passes byte for byte, and entities typed on purpose (&eacute;) still work.
inline constexpr std::string_view EscapedQuote = "&quot;";

class Measure {
public:
    void Literal(std::string_view text) { size_ += text.size(); }
    void Value(std::string_view text) {
        size_ += text.size();
        for (char c : text)
            if (c == '"')
                size_ += EscapedQuote.size() - 1;
    }
    std::size_t Size() const { return size_; }

private:
    std::size_t size_ = 0;
};

class Write {
public:
    explicit Write(std::string& out) : out_(out) {}
    void Literal(std::string_view text) { out_.append(text); }
    void Value(std::string_view text) {
        while (!text.empty()) {
            const void* quote = std::memchr(text.data(), '"', text.size());
            if (quote == nullptr) {
                out_.append(text);
                return;
            }
            const auto before = static_cast<std::size_t>(static_cast<const char*>(quote) - text.data());
            out_.append(text.substr(0, before));
            out_.append(EscapedQuote);
            text.remove_prefix(before + 1);
        }
    }

private:
    std::string& out_;
};

template <typename Describe> std::string BuildForm(const Describe& describe) {
    Measure measure;
    describe(measure);
    std::string out;
    out.reserve(measure.Size());
    Write write(out);
    describe(write);
    return out;
}

// The pieces that recur in all three forms.

template <typename Sink>
void FormOpening(Sink& out, std::string_view formAttributes, std::string_view command) {
    out.Literal("<form ");
    out.Literal(formAttributes);
    out.Literal("action=\"");
    out.Literal(ServiceBaseUrl);
    out.Literal("/cgi-bin/webscr\" method=\"post\"> ");
    out.Literal("<input type=\"hidden\" name=\"cmd\" value=\"");
    out.Literal(command);
    out.Literal("\">");
}

template <typename Sink> void HiddenInput(Sink& out, std::string_view name, std::string_view value) {
    out.Literal("<input type=\"hidden\" name=\"");
    out.Literal(name);
    out.Literal("\" value=\"");
    out.Value(value);
    out.Literal("\">");
}

// The item's inputs, which the single-item and cart forms share in this order. The amount input alone is
// followed by a blank.
template <typename Sink, typename Button> void ItemInputs(Sink& out, const Button& button) {
    HiddenInput(out, "business", button.Email);
    HiddenInput(out, "item_name", button.Name);
    HiddenInput(out, "item_number", button.Number);
    HiddenInput(out, "amount", button.Price);
    out.Literal(" ");
    HiddenInput(out, "return", button.Success);
    HiddenInput(out, "cancel_return", button.Cancelled);
}

template <typename Sink>
void PictureInput(Sink& out, const PictureTable& pictures, int choice, std::string_view ownUrl) {
    out.Literal("<input type=\"image\" src=\"");
    if (pictures.IsStock(choice)) {
        out.Literal(ServiceBaseUrl);
        out.Literal(pictures.StockPath(choice));
    } else if (choice == pictures.OwnPicture()) {
        out.Value(ownUrl);
    }
    out.Literal(
        "\" border=\"0\" name=\"submit\" alt=\"Make payments with PayPal - it's fast, free and secure!\">");
}

template <typename Sink> void PageColourInput(Sink& out, PageColour colour) {
    HiddenInput(out, "cs", colour == PageColour::White ? "0" : "1");
}

} // namespace corvane::form
