// The shopping-cart page of the main window.

#include "generate/Cart.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Main.h"
#include "ui/Pages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvane::ui {

namespace {

// By picture number: 5 is RadioButton31, the large picture of the second row, and 6 (the merchant's own
// picture) RadioButton23. The picture names do not follow the numbers either.
constexpr std::array<PictureChoiceLayout, 6> CartChoices = {{
    {"RadioButton24", {16, 48}, "Image19", {32, 48}},
    {"RadioButton25", {128, 48}, "Image20", {144, 48}},
    {"RadioButton26", {260, 48}, "Image22", {280, 40}},
    {"RadioButton27", {368, 48}, "Image23", {384, 48}},
    {"RadioButton31", {16, 96}, "Image21", {32, 80}},
    {"RadioButton23", {16, 132}, nullptr, {}},
}};

} // namespace

void TMainForm::CreateCartPage() {
    QWidget* page = TabSheet3;
    AddLabel(page, "Label15", QStringLiteral("PayPal Email Address:"), {8, 12});
    Edit4 = AddEdit(page, "Edit4", {116, 8, 265, 21});

    GroupBox9 = AddGroupBox(page, "GroupBox9", QStringLiteral("Item Details"), {6, 32, 485, 73});
    AddLabel(GroupBox9, "Label30", QStringLiteral("Item Name/Service:"), {8, 24});
    AddLabel(GroupBox9, "Label31", QStringLiteral("Item ID / Number:"), {8, 48});
    AddLabel(GroupBox9, "Label32", QStringLiteral("Price of Item / Service:"), {252, 48});
    Edit15 = AddEdit(GroupBox9, "Edit15", {108, 20, 365, 21});
    Edit16 = AddEdit(GroupBox9, "Edit16", {108, 44, 137, 21});
    Edit17 = AddEdit(GroupBox9, "Edit17", {368, 44, 105, 21});

    GroupBox10 = AddGroupBox(page, "GroupBox10", QStringLiteral("Return URLs"), {6, 108, 485, 89});
    AddReturnUrlLabels(GroupBox10, "Label33", "Label34", "Label35");
    Edit18 = AddEdit(GroupBox10, "Edit18", {108, 36, 365, 21});
    Edit19 = AddEdit(GroupBox10, "Edit19", {108, 60, 365, 21});

    GroupBox11 = AddGroupBox(page, "GroupBox11", QStringLiteral("Website Button"), {6, 204, 485, 185});
    AddLabel(GroupBox11, "Label36", PictureChoiceHeading(), {12, 20});
    CartPictureButtons = AddPictureChoices<6>(GroupBox11, CartPictures, CartChoices);
    Edit20 = AddEdit(GroupBox11, "Edit20", {32, 152, 441, 21});

    // As on the single-item page, without the box for buying more than one, so shipping stands lower.
    GroupBox12 = AddGroupBox(page, "GroupBox12", QStringLiteral("Other"), {6, 392, 485, 121});
    AddLabel(GroupBox12, "Label37", QStringLiteral("Title:"), {268, 48});
    AddLabel(GroupBox12, "Label38", QStringLiteral("Order Page Color..."), {8, 68});
    CheckBox2 = AddCheckBox(GroupBox12, "CheckBox2",
                            QStringLiteral("Collect shipping details from the buyers"), {8, 24, 249, 17});
    CheckBox5 =
        AddCheckBox(GroupBox12, "CheckBox5",
                    QStringLiteral("Allow buyer to include a note with their purchase"), {8, 48, 257, 17});
    RadioButton32 =
        AddRadioButton(GroupBox12, "RadioButton32", QStringLiteral("White Background"), {8, 84, 117, 21});
    RadioButton33 =
        AddRadioButton(GroupBox12, "RadioButton33", QStringLiteral("Black Background"), {8, 100, 133, 17});
    Edit21 = AddEdit(GroupBox12, "Edit21", {304, 44, 105, 21});

    Button7 = AddButton(page, "Button7", QStringLiteral("Save"), {388, 8, 45, 21});
    Button8 = AddButton(page, "Button8", QStringLiteral("Load"), {444, 8, 45, 21});
    CheckBox6 = AddCheckBox(page, "CheckBox6", QStringLiteral("Encrypt Code"), {12, 516, 121, 17});
    Button9 = AddButton(page, "Button9", QStringLiteral("Make Button"), {160, 516, 81, 21});
    Button9->setDefault(true);
    Button10 = AddButton(page, "Button10", QStringLiteral("Clear Form"), {252, 516, 81, 21});
    Button12 = AddButton(page, "Button12", QStringLiteral("View Cart"), {368, 516, 121, 21});

    const auto& pictures = CartPictureButtons;
    SetTabOrder({Edit4,       Edit15,      Edit16,    Edit17,        Edit18,        Edit19,
                 pictures[5], pictures[0], Edit20,    pictures[1],   pictures[2],   pictures[3],
                 pictures[4], CheckBox2,   CheckBox5, RadioButton32, RadioButton33, Edit21,
                 Button7,     Button8,     CheckBox6, Button9,       Button10,      Button12});

    connect(Button9, &QPushButton::clicked, this, &TMainForm::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TMainForm::Button10Click);
    connect(Button7, &QPushButton::clicked, this, &TMainForm::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TMainForm::Button8Click);
    connect(Button12, &QPushButton::clicked, this, &TMainForm::Button12Click);
    Button10Click(); // the initial state is the cleared one
}

CartButton TMainForm::ReadCartPage() const {
    CartButton button;
    button.Email = Bytes(Edit4);
    button.Name = Bytes(Edit15);
    button.Number = Bytes(Edit16);
    button.Price = Bytes(Edit17);
    button.Success = Bytes(Edit18);
    button.Cancelled = Bytes(Edit19);
    button.ImageChoice = CheckedChoice(CartPictureButtons);
    button.OwnURL = Bytes(Edit20);
    button.Shipping = CheckBox2->isChecked();
    button.IncludeNote = CheckBox5->isChecked();
    button.NoteTitle = Bytes(Edit21);
    button.PageColour = RadioButton32->isChecked() ? PageColour::White : PageColour::Black;
    button.Encrypt = CheckBox6->isChecked();
    return button;
}

void TMainForm::FillCartPage(const CartButton& button) {
    SetBytes(Edit4, button.Email);
    SetBytes(Edit15, button.Name);
    SetBytes(Edit16, button.Number);
    SetBytes(Edit17, button.Price);
    SetBytes(Edit18, button.Success);
    SetBytes(Edit19, button.Cancelled);
    CheckChoice(CartPictureButtons, button.ImageChoice);
    SetBytes(Edit20, button.OwnURL);
    CheckBox2->setChecked(button.Shipping);
    CheckBox5->setChecked(button.IncludeNote);
    SetBytes(Edit21, button.NoteTitle);
    (button.PageColour == PageColour::White ? RadioButton32 : RadioButton33)->setChecked(true);
    CheckBox6->setChecked(button.Encrypt);
}

void TMainForm::Button9Click() {
    const CartButton button = ReadCartPage();
    ShowCode(GenerateCartCode(button), button.Encrypt);
}

void TMainForm::Button10Click() {
    for (QLineEdit* edit : {Edit4, Edit15, Edit16, Edit17, Edit18, Edit19})
        edit->clear();
    CartPictureButtons[0]->setChecked(true);
    Edit20->clear();
    CheckBox2->setChecked(false);
    CheckBox5->setChecked(false);
    Edit21->clear();
    RadioButton32->setChecked(true);
    CheckBox6->setChecked(false);
}

void TMainForm::Button7Click() {
    Save(&TMainForm::ReadCartPage);
}

void TMainForm::Button8Click() {
    Load(&TMainForm::FillCartPage);
}

void TMainForm::Button12Click() {
    const std::string link = ViewCartLink(Bytes(Edit4));
    ShowInputBox(this, QStringLiteral("View Cart"),
                 QStringLiteral("Send people to this link so they can view their shopping cart:"),
                 QString::fromLocal8Bit(link.data(), static_cast<qsizetype>(link.size())));
}

} // namespace corvane::ui
