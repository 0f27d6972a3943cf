#include "generate/Cart.h"

#include "generate/FormText.h"

namespace corvane {

std::string GenerateCartCode(const CartButton& button) {
    return form::BuildForm([&](auto& out) {
        form::FormOpening(out, "target=\"paypal\" ", "_cart");
        form::HiddenInput(out, "business", button.Email);
        form::HiddenInput(out, "item_name", button.Name);
        form::HiddenInput(out, "item_number", button.Number);
        form::HiddenInput(out, "amount", button.Price);
        out.Literal(" "); // the amount input alone is followed by a blank
        form::HiddenInput(out, "return", button.Success);
        form::HiddenInput(out, "cancel_return", button.Cancelled);
        form::PictureInput(out, CartPictures, button.ImageChoice, button.OwnURL);
        form::HiddenInput(out, "no_shipping", button.Shipping ? "0" : "1");
        form::HiddenInput(out, "cn", button.IncludeNote ? std::string_view(button.NoteTitle) : "");
        form::PageColourInput(out, button.PageColour);
        form::HiddenInput(out, "add", "1");
        out.Literal("</form>");
    });
}

std::string ViewCartLink(std::string_view email) {
    return ServiceLink("/cgi-bin/webscr?cmd=_cart&display=1&business=", email);
}

} // namespace corvane
