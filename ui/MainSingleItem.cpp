// The single-item page of the main window.

#include "ui/Controls.h"
#include "ui/Main.h"
#include "ui/Pages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvane::ui {

namespace {

// Where each picture choice stands in the "Website Button" box, by picture number; the last is the
// merchant's own picture, whose radio button has a caption and no picture.
constexpr std::array<PictureChoiceLayout, 9> SingleItemChoices = {{
    {"RadioButton1", {16, 48}, "Image1", {32, 44}},
    {"RadioButton2", {112, 48}, "Image3", {128, 40}},
    {"RadioButton3", {204, 48}, "Image4", {220, 40}},
    {"RadioButton4", {296, 48}, "Image5", {312, 40}},
    {"RadioButton5", {384, 48}, "Image6", {400, 44}},
    {"RadioButton6", {16, 96}, "Image2", {32, 80}},
    {"RadioButton7", {124, 96}, "Image7", {140, 76}},
    {"RadioButton8", {308, 96}, "Image8", {324, 76}},
    {"RadioButton9", {16, 132}, nullptr, {}},
}};

} // namespace

void TMainForm::CreateSingleItemPage() {
    QWidget* page = TabSheet1;
    AddLabel(page, "Label1", QStringLiteral("PayPal Email Address:"), {8, 12});
    Email = AddEdit(page, "Email", {116, 8, 265, 21});

    GroupBox1 = AddGroupBox(page, "GroupBox1", QStringLiteral("Item Details"), {6, 32, 485, 73});
    AddLabel(GroupBox1, "Label2", QStringLiteral("Item Name/Service:"), {8, 24});
    AddLabel(GroupBox1, "Label3", QStringLiteral("Item ID / Number:"), {8, 48});
    AddLabel(GroupBox1, "Label4", QStringLiteral("Price of Item / Service:"), {252, 48});
    Name = AddEdit(GroupBox1, "Name", {108, 20, 365, 21});
    Number = AddEdit(GroupBox1, "Number", {108, 44, 137, 21});
    Price = AddEdit(GroupBox1, "Price", {368, 44, 105, 21});

    GroupBox2 = AddGroupBox(page, "GroupBox2", QStringLiteral("Return URLs"), {6, 108, 485, 89});
    AddReturnUrlLabels(GroupBox2, "Label5", "Label6", "Label7");
    Success = AddEdit(GroupBox2, "Success", {108, 36, 365, 21});
    Cancelled = AddEdit(GroupBox2, "Cancelled", {108, 60, 365, 21});

    GroupBox3 = AddGroupBox(page, "GroupBox3", QStringLiteral("Website Button"), {6, 204, 485, 185});
    AddLabel(GroupBox3, "Label11", PictureChoiceHeading(), {12, 20});
    SingleItemPictureButtons = AddPictureChoices<9>(GroupBox3, SingleItemPictures, SingleItemChoices);
    OwnURL = AddEdit(GroupBox3, "OwnURL", {32, 152, 441, 21});

    GroupBox4 = AddGroupBox(page, "GroupBox4", QStringLiteral("Other"), {6, 392, 485, 121});
    AddLabel(GroupBox4, "Label9", QStringLiteral("Title:"), {268, 48});
    AddLabel(GroupBox4, "Label10", QStringLiteral("Order Page Color..."), {8, 68});
    Shipping = AddCheckBox(GroupBox4, "Shipping", QStringLiteral("Collect shipping details from the buyers"),
                           {8, 16, 249, 17});
    Multiple =
        AddCheckBox(GroupBox4, "Multiple",
                    QStringLiteral("Allow buyers to purchase more than one of this item"), {8, 32, 277, 17});
    IncludeNote =
        AddCheckBox(GroupBox4, "IncludeNote",
                    QStringLiteral("Allow buyer to include a note with their purchase"), {8, 48, 257, 17});
    White = AddRadioButton(GroupBox4, "White", QStringLiteral("White Background"), {8, 84, 117, 21});
    Black = AddRadioButton(GroupBox4, "Black", QStringLiteral("Black Background"), {8, 100, 133, 17});
    NoteTitle = AddEdit(GroupBox4, "NoteTitle", {304, 44, 105, 21});

    Encrypt = AddCheckBox(page, "Encrypt", QStringLiteral("Encrypt Code"), {12, 516, 121, 17});
    MakeButton = AddButton(page, "MakeButton", QStringLiteral("Make Button"), {104, 516, 81, 21});
    MakeButton->setDefault(true);
    ClearButton = AddButton(page, "ClearButton", QStringLiteral("Clear"), {188, 516, 53, 21});
    SaveButton = AddButton(page, "SaveButton", QStringLiteral("Save"), {388, 8, 45, 21});
    LoadButton = AddButton(page, "LoadButton", QStringLiteral("Load"), {444, 8, 45, 21});
    Button13 = AddButton(page, "Button13", QStringLiteral("Get Resale Rights!"), {248, 516, 113, 21});

    const auto& pictures = SingleItemPictureButtons;
    SetTabOrder({Email,       Name,        Number,      Price,       Success,     Cancelled,   pictures[8],
                 pictures[0], OwnURL,      pictures[1], pictures[2], pictures[3], pictures[4], pictures[6],
                 pictures[7], pictures[5], Shipping,    Multiple,    IncludeNote, White,       Black,
                 NoteTitle,   Encrypt,     MakeButton,  ClearButton, SaveButton,  LoadButton,  Button13});

    connect(MakeButton, &QPushButton::clicked, this, &TMainForm::MakeButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TMainForm::ClearButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TMainForm::SaveButtonClick);
    connect(LoadButton, &QPushButton::clicked, this, &TMainForm::LoadButtonClick);
    connect(Button13, &QPushButton::clicked, this, &TMainForm::Button13Click);
    ClearButtonClick(); // the initial state is the cleared one
}

SingleItemButton TMainForm::ReadSingleItemPage() const {
    SingleItemButton button;
    button.Email = Bytes(Email);
    button.Name = Bytes(Name);
    button.Number = Bytes(Number);
    button.Price = Bytes(Price);
    button.Success = Bytes(Success);
    button.Cancelled = Bytes(Cancelled);
    button.ImageChoice = CheckedChoice(SingleItemPictureButtons);
    button.OwnURL = Bytes(OwnURL);
    button.Shipping = Shipping->isChecked();
    button.Multiple = Multiple->isChecked();
    button.IncludeNote = IncludeNote->isChecked();
    button.NoteTitle = Bytes(NoteTitle);
    button.PageColour = White->isChecked() ? PageColour::White : PageColour::Black;
    button.Encrypt = Encrypt->isChecked();
    return button;
}

void TMainForm::FillSingleItemPage(const SingleItemButton& button) {
    SetBytes(Email, button.Email);
    SetBytes(Name, button.Name);
    SetBytes(Number, button.Number);
    SetBytes(Price, button.Price);
    SetBytes(Success, button.Success);
    SetBytes(Cancelled, button.Cancelled);
    CheckChoice(SingleItemPictureButtons, button.ImageChoice);
    SetBytes(OwnURL, button.OwnURL);
    Shipping->setChecked(button.Shipping);
    Multiple->setChecked(button.Multiple);
    IncludeNote->setChecked(button.IncludeNote);
    SetBytes(NoteTitle, button.NoteTitle);
    (button.PageColour == PageColour::White ? White : Black)->setChecked(true);
    Encrypt->setChecked(button.Encrypt);
}

void TMainForm::MakeButtonClick() {
    const SingleItemButton button = ReadSingleItemPage();
    ShowCode(GenerateSingleItemCode(button), button.Encrypt);
}

void TMainForm::SaveButtonClick() {
    Save(&TMainForm::ReadSingleItemPage);
}

void TMainForm::LoadButtonClick() {
    Load(&TMainForm::FillSingleItemPage);
}

void TMainForm::ClearButtonClick() {
    for (QLineEdit* edit : {Email, Name, Number, Price, Success, Cancelled})
        edit->clear();
    SingleItemPictureButtons[0]->setChecked(true);
    OwnURL->clear();
    for (QCheckBox* box : {Shipping, Multiple, IncludeNote})
        box->setChecked(false);
    NoteTitle->clear();
    White->setChecked(true);
    Encrypt->setChecked(false);
}

} // namespace corvane::ui
