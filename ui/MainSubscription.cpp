// The subscription page of the main window.

#include "generate/Subscription.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"
#include "ui/Main.h"
#include "ui/Pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvane::ui {

namespace {

// By picture number, which is not the order of the names: 6 is RadioButton18, 11 (the merchant's own
// picture) RadioButton10. The second row has its buttons above the pictures.
constexpr std::array<PictureChoiceLayout, 11> SubscriptionChoices = {{
    {"RadioButton11", {16, 48}, "Image9", {32, 40}},
    {"RadioButton12", {112, 48}, "Image10", {128, 40}},
    {"RadioButton13", {204, 48}, "Image11", {224, 40}},
    {"RadioButton14", {296, 48}, "Image12", {312, 40}},
    {"RadioButton15", {384, 48}, "Image13", {400, 40}},
    {"RadioButton18", {16, 96}, "Image14", {32, 96}},
    {"RadioButton16", {116, 85}, "Image15", {112, 104}},
    {"RadioButton17", {196, 85}, "Image16", {192, 104}},
    {"RadioButton21", {276, 85}, "Image17", {272, 104}},
    {"RadioButton22", {388, 85}, "Image18", {384, 104}},
    {"RadioButton10", {16, 132}, nullptr, {}},
}};

QComboBox* AddUnitList(QWidget* parent, const char* name, QRect geometry) {
    QComboBox* list = AddList(parent, name, geometry);
    for (const std::string_view unit : PeriodUnits)
        list->addItem(QString::fromLatin1(unit.data(), static_cast<qsizetype>(unit.size())));
    return list;
}

} // namespace

void TMainForm::CreateSubscriptionPage() {
    QWidget* page = TabSheet2;
    AddLabel(page, "Label12", QStringLiteral("PayPal Email Address:"), {8, 12});
    Edit1 = AddEdit(page, "Edit1", {116, 8, 265, 21});

    GroupBox5 = AddGroupBox(page, "GroupBox5", QStringLiteral("Item Details"), {6, 32, 485, 73});
    AddLabel(GroupBox5, "Label13", QStringLiteral("Subscription Name:"), {8, 24});
    AddLabel(GroupBox5, "Label14", QStringLiteral("Reference ID #:"), {8, 48});
    Edit2 = AddEdit(GroupBox5, "Edit2", {108, 20, 365, 21});
    Edit3 = AddEdit(GroupBox5, "Edit3", {108, 44, 137, 21});

    // The billing terms, in three columns (the two trial periods and the recurring cycle) and a row below.
    GroupBox8 = AddGroupBox(page, "GroupBox8", QStringLiteral("Other"), {6, 104, 485, 121});
    AddLabel(GroupBox8, "Label20", QStringLiteral("Trial Period 1"), {8, 16});
    AddLabel(GroupBox8, "Label23", QStringLiteral("Trial Period 2"), {160, 16});
    QLabel* cycle = AddLabel(GroupBox8, "Label22", QStringLiteral("Recurring Billing Cycle"), {320, 16});
    cycle->setFont(BoldWindowFont());
    cycle->adjustSize();
    AddLabel(GroupBox8, "Label24", QStringLiteral("Bill: $"), {40, 40});
    AddLabel(GroupBox8, "Label26", QStringLiteral("Bill: $"), {192, 40});
    AddLabel(GroupBox8, "Label28", QStringLiteral("Bill: $"), {360, 40});
    AddLabel(GroupBox8, "Label25", QStringLiteral("Lasts:"), {8, 64});
    AddLabel(GroupBox8, "Label27", QStringLiteral("Lasts:"), {160, 64});
    AddLabel(GroupBox8, "Label29", QStringLiteral("Every:"), {328, 64});
    AddLabel(GroupBox8, "Label21", QStringLiteral("Order Page Color..."), {272, 102});
    Edit8 = AddEdit(GroupBox8, "Edit8", {72, 40, 49, 21});
    Edit9 = AddEdit(GroupBox8, "Edit9", {40, 64, 33, 21});
    ComboBox1 = AddUnitList(GroupBox8, "ComboBox1", {80, 64, 73, 21});
    Edit10 = AddEdit(GroupBox8, "Edit10", {224, 40, 49, 21});
    Edit11 = AddEdit(GroupBox8, "Edit11", {192, 64, 33, 21});
    ComboBox2 = AddUnitList(GroupBox8, "ComboBox2", {232, 64, 73, 21});
    Edit12 = AddEdit(GroupBox8, "Edit12", {392, 40, 49, 21});
    Edit13 = AddEdit(GroupBox8, "Edit13", {360, 64, 33, 21});
    ComboBox3 = AddUnitList(GroupBox8, "ComboBox3", {400, 64, 73, 21});
    CheckBox1 = AddCheckBox(GroupBox8, "CheckBox1", QStringLiteral("Stop after a certain # of payments:"),
                            {16, 100, 185, 17});
    Edit14 = AddEdit(GroupBox8, "Edit14", {208, 98, 41, 21});
    RadioButton19 = AddRadioButton(GroupBox8, "RadioButton19", QStringLiteral("White"), {368, 100, 57, 17});
    RadioButton20 = AddRadioButton(GroupBox8, "RadioButton20", QStringLiteral("Black"), {424, 100, 57, 17});

    GroupBox6 = AddGroupBox(page, "GroupBox6", QStringLiteral("Return URLs"), {6, 228, 485, 89});
    AddReturnUrlLabels(GroupBox6, "Label16", "Label17", "Label18");
    Edit5 = AddEdit(GroupBox6, "Edit5", {108, 36, 365, 21});
    Edit6 = AddEdit(GroupBox6, "Edit6", {108, 60, 365, 21});

    GroupBox7 = AddGroupBox(page, "GroupBox7", QStringLiteral("Website Button"), {6, 324, 485, 185});
    AddLabel(GroupBox7, "Label19", PictureChoiceHeading(), {12, 20});
    SubscriptionPictureButtons = AddPictureChoices<11>(GroupBox7, SubscriptionPictures, SubscriptionChoices);
    Edit7 = AddEdit(GroupBox7, "Edit7", {32, 152, 441, 21});

    CheckBox4 = AddCheckBox(page, "CheckBox4", QStringLiteral("Encrypt Code"), {12, 516, 121, 17});
    Button5 = AddButton(page, "Button5", QStringLiteral("Make Button"), {104, 516, 81, 21});
    Button5->setDefault(true);
    Button6 = AddButton(page, "Button6", QStringLiteral("Clear"), {188, 516, 53, 21});
    Button1 = AddButton(page, "Button1", QStringLiteral("Save"), {388, 8, 45, 21});
    Button2 = AddButton(page, "Button2", QStringLiteral("Load"), {444, 8, 45, 21});
    // On the page, not in the box whose area it stands in, and above it.
    Button11 = AddButton(page, "Button11", QStringLiteral("Cancel Subscription"), {360, 76, 121, 21});
    Button15 = AddButton(page, "Button15", QStringLiteral("Get Resale Rights!"), {248, 516, 113, 21});

    const auto& pictures = SubscriptionPictureButtons;
    SetTabOrder({Edit1,       Edit2,       Edit3,         Edit8,         Edit9,       ComboBox1,
                 Edit10,      Edit11,      ComboBox2,     Edit12,        Edit13,      ComboBox3,
                 CheckBox1,   Edit14,      RadioButton19, RadioButton20, Edit5,       Edit6,
                 pictures[0], Edit7,       pictures[10],  pictures[1],   pictures[2], pictures[3],
                 pictures[4], pictures[6], pictures[7],   pictures[5],   pictures[8], pictures[9],
                 CheckBox4,   Button5,     Button6,       Button1,       Button2,     Button11,
                 Button15});

    connect(Button5, &QPushButton::clicked, this, &TMainForm::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TMainForm::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
    connect(Button11, &QPushButton::clicked, this, &TMainForm::Button11Click);
    connect(Button15, &QPushButton::clicked, this, &TMainForm::Button13Click);

    // As it starts: empty texts, White, picture 1 and the blank unit selected (Clear selects none).
    FillSubscriptionPage(SubscriptionButton{});
}

SubscriptionButton TMainForm::ReadSubscriptionPage() const {
    SubscriptionButton button;
    button.Email = Bytes(Edit1);
    button.Name = Bytes(Edit2);
    button.Number = Bytes(Edit3);
    button.Trial1Amount = Bytes(Edit8);
    button.Trial1Length = Bytes(Edit9);
    button.Trial1Unit = ComboBox1->currentIndex();
    button.Trial2Amount = Bytes(Edit10);
    button.Trial2Length = Bytes(Edit11);
    button.Trial2Unit = ComboBox2->currentIndex();
    button.RegularAmount = Bytes(Edit12);
    button.RegularLength = Bytes(Edit13);
    button.RegularUnit = ComboBox3->currentIndex();
    button.StopAfter = CheckBox1->isChecked();
    button.PaymentCount = Bytes(Edit14);
    button.PageColour = RadioButton19->isChecked() ? PageColour::White : PageColour::Black;
    button.Success = Bytes(Edit5);
    button.Cancelled = Bytes(Edit6);
    button.ImageChoice = CheckedChoice(SubscriptionPictureButtons);
    button.OwnURL = Bytes(Edit7);
    button.Encrypt = CheckBox4->isChecked();
    return button;
}

void TMainForm::FillSubscriptionPage(const SubscriptionButton& button) {
    // A unit outside the list, -1 included, leaves the list with no entry selected.
    const auto selectUnit = [](QComboBox* list, int unit) {
        list->setCurrentIndex(unit >= 0 && unit < list->count() ? unit : -1);
    };
    SetBytes(Edit1, button.Email);
    SetBytes(Edit2, button.Name);
    SetBytes(Edit3, button.Number);
    SetBytes(Edit8, button.Trial1Amount);
    SetBytes(Edit9, button.Trial1Length);
    selectUnit(ComboBox1, button.Trial1Unit);
    SetBytes(Edit10, button.Trial2Amount);
    SetBytes(Edit11, button.Trial2Length);
    selectUnit(ComboBox2, button.Trial2Unit);
    SetBytes(Edit12, button.RegularAmount);
    SetBytes(Edit13, button.RegularLength);
    selectUnit(ComboBox3, button.RegularUnit);
    CheckBox1->setChecked(button.StopAfter);
    SetBytes(Edit14, button.PaymentCount);
    (button.PageColour == PageColour::White ? RadioButton19 : RadioButton20)->setChecked(true);
    SetBytes(Edit5, button.Success);
    SetBytes(Edit6, button.Cancelled);
    CheckChoice(SubscriptionPictureButtons, button.ImageChoice);
    SetBytes(Edit7, button.OwnURL);
    CheckBox4->setChecked(button.Encrypt);
}

void TMainForm::Button5Click() {
    const SubscriptionButton button = ReadSubscriptionPage();
    ShowCode(GenerateSubscriptionCode(button), button.Encrypt);
}

void TMainForm::Button6Click() {
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit8, Edit10, Edit12, Edit9, Edit11, Edit13})
        edit->clear();
    // No entry selected, not the blank entry the lists start with: Save writes -1 for them.
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3})
        list->setCurrentIndex(-1);
    Edit5->clear();
    Edit6->clear();
    CheckBox1->setChecked(false);
    Edit14->clear();
    RadioButton19->setChecked(true);
    SubscriptionPictureButtons[0]->setChecked(true);
    Edit7->clear();
    CheckBox4->setChecked(false);
}

void TMainForm::Button1Click() {
    Save(&TMainForm::ReadSubscriptionPage);
}

void TMainForm::Button2Click() {
    Load(&TMainForm::FillSubscriptionPage);
}

void TMainForm::Button11Click() {
    const std::string link = CancelSubscriptionLink(Bytes(Edit1));
    ShowInputBox(this, QStringLiteral("Cancel Subscription"),
                 QStringLiteral("Send people to this link so they can cancel their subscription:"),
                 QString::fromLocal8Bit(link.data(), static_cast<qsizetype>(link.size())));
}

} // namespace corvane::ui
