#include "ui/Pages.h"

namespace corvane::ui {

QString PictureChoiceHeading() {
    return QStringLiteral("Please select an image to use for your order button...");
}

QString OwnPictureCaption() {
    return QStringLiteral("OR use your own image, Just enter the exact URL to any image on your website:");
}

std::vector<QRadioButton*> AddPictureChoicesImpl(QWidget* box, const PictureTable& pictures,
                                                 std::span<const PictureChoiceLayout> layout) {
    // Pictures first: they lie beneath every other control.
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].image != nullptr)
            AddPicture(box, layout[i].image, PictureResource(pictures.StockPath(static_cast<int>(i) + 1)),
                       layout[i].imageAt);
    std::vector<QRadioButton*> buttons;
    for (const PictureChoiceLayout& choice : layout) {
        const bool own = choice.image == nullptr;
        buttons.push_back(AddRadioButton(box, choice.radio, own ? OwnPictureCaption() : QString(),
                                         QRect(choice.radioAt, own ? QSize(417, 17) : QSize(13, 17))));
    }
    return buttons;
}

int CheckedChoice(std::span<QRadioButton* const> buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return static_cast<int>(i) + 1;
    return 0;
}

void CheckChoice(std::span<QRadioButton* const> buttons, int choice) {
    if (choice >= 1 && choice <= static_cast<int>(buttons.size()))
        buttons[static_cast<std::size_t>(choice) - 1]->setChecked(true);
}

void AddReturnUrlLabels(QWidget* box, const char* explanation, const char* success, const char* cancelled) {
    AddLabel(box, explanation,
             QStringLiteral(
                 "These are the URLs where a customer is sent after a successful or cancelled purchase."),
             {16, 20});
    AddLabel(box, success, QStringLiteral("Success URL:"), {16, 40});
    AddLabel(box, cancelled, QStringLiteral("Cancelled URL:"), {16, 64});
}

} // namespace corvane::ui
