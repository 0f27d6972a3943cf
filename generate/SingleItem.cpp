#include "generate/SingleItem.h"

#include "generate/FormText.h"

namespace corvane {

std::string GenerateSingleItemCode(const SingleItemButton& button) {
    return form::BuildForm([&](auto& out) {
        form::FormOpening(out, "", "_xclick");
        form::ItemInputs(out, button);
        form::PictureInput(out, SingleItemPictures, button.ImageChoice, button.OwnURL);
        form::HiddenInput(out, "no_shipping", button.Shipping ? "0" : "1");
        form::HiddenInput(out, "undefined_quantity", button.Multiple ? "1" : "0");
        form::HiddenInput(out, "cn", button.IncludeNote ? std::string_view(button.NoteTitle) : "");
        form::PageColourInput(out, button.PageColour);
        out.Literal("</form>");
    });
}

} // namespace corvane
