#include "generate/Cart.h"

#include "generate/FormText.h"

namespace corvane {

std::string GenerateCartCode(const CartButton& button) {
    return form::BuildForm([&](auto& out) {
        form::FormOpening(out, "target=\"paypal\" ", "_cart");
        form::ItemInputs(out, button);
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
