#pragma once

// The main window: the tabbed pages of the three kinds of button, and "Help" and "Exit" above the right
// end of the tab row. The window's class holds the handlers of all three pages; each page reads its
// controls into a button record and fills them from one.

#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"
#include "ui/Dialogs.h"

#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace corvane::ui {

class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    SingleItemButton ReadSingleItemPage() const;
    void FillSingleItemPage(const SingleItemButton& button);
    SubscriptionButton ReadSubscriptionPage() const;
    void FillSubscriptionPage(const SubscriptionButton& button);
    CartButton ReadCartPage() const;
    void FillCartPage(const CartButton& button);

    QTabWidget* PageControl1;
    QWidget* TabSheet1;   // "Single Item Generator"
    QWidget* TabSheet2;   // "Subscription Generator"
    QWidget* TabSheet3;   // "Shopping Cart"
    QPushButton* Button3; // "Help"
    QPushButton* Button4; // "Exit"

    // The single-item page.
    QLineEdit* Email;
    QGroupBox* GroupBox1; // "Item Details"
    QLineEdit* Name;
    QLineEdit* Number;
    QLineEdit* Price;
    QGroupBox* GroupBox2; // "Return URLs"
    QLineEdit* Success;
    QLineEdit* Cancelled;
    QGroupBox* GroupBox3;                                  // "Website Button"
    std::array<QRadioButton*, 9> SingleItemPictureButtons; // RadioButton1 to RadioButton9, by picture number
    QLineEdit* OwnURL;
    QGroupBox* GroupBox4; // "Other"
    QCheckBox* Shipping;
    QCheckBox* Multiple;
    QCheckBox* IncludeNote;
    QRadioButton* White;
    QRadioButton* Black;
    QLineEdit* NoteTitle;
    QCheckBox* Encrypt;
    QPushButton* MakeButton;
    QPushButton* ClearButton;
    QPushButton* SaveButton;
    QPushButton* LoadButton;
    QPushButton* Button13; // "Get Resale Rights!"

    // The subscription page.
    QLineEdit* Edit1;     // e-mail
    QGroupBox* GroupBox5; // "Item Details"
    QLineEdit* Edit2;     // name
    QLineEdit* Edit3;     // reference
    QGroupBox* GroupBox8; // "Other": the billing terms
    QLineEdit* Edit8;     // trial period 1: amount, length, unit
    QLineEdit* Edit9;
    QComboBox* ComboBox1;
    QLineEdit* Edit10; // trial period 2
    QLineEdit* Edit11;
    QComboBox* ComboBox2;
    QLineEdit* Edit12; // the recurring billing cycle
    QLineEdit* Edit13;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox1;        // stop after a number of payments
    QLineEdit* Edit14;           // that number
    QRadioButton* RadioButton19; // White
    QRadioButton* RadioButton20; // Black
    QGroupBox* GroupBox6;        // "Return URLs"
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QGroupBox* GroupBox7;                                     // "Website Button"
    std::array<QRadioButton*, 11> SubscriptionPictureButtons; // by picture number
    QLineEdit* Edit7;                                         // own picture address
    QCheckBox* CheckBox4;                                     // "Encrypt Code"
    QPushButton* Button5;                                     // "Make Button"
    QPushButton* Button6;                                     // "Clear"
    QPushButton* Button1;                                     // "Save"
    QPushButton* Button2;                                     // "Load"
    QPushButton* Button11;                                    // "Cancel Subscription"
    QPushButton* Button15;                                    // "Get Resale Rights!"

    // The shopping-cart page.
    QLineEdit* Edit4;      // e-mail
    QGroupBox* GroupBox9;  // "Item Details"
    QLineEdit* Edit15;     // name
    QLineEdit* Edit16;     // number
    QLineEdit* Edit17;     // price
    QGroupBox* GroupBox10; // "Return URLs"
    QLineEdit* Edit18;
    QLineEdit* Edit19;
    QGroupBox* GroupBox11;                           // "Website Button"
    std::array<QRadioButton*, 6> CartPictureButtons; // by picture number
    QLineEdit* Edit20;                               // own picture address
    QGroupBox* GroupBox12;                           // "Other"
    QCheckBox* CheckBox2;                            // shipping
    QCheckBox* CheckBox5;                            // note
    QRadioButton* RadioButton32;                     // White
    QRadioButton* RadioButton33;                     // Black
    QLineEdit* Edit21;                               // note title
    QPushButton* Button7;                            // "Save"
    QPushButton* Button8;                            // "Load"
    QCheckBox* CheckBox6;                            // "Encrypt Code"
    QPushButton* Button9;                            // "Make Button"
    QPushButton* Button10;                           // "Clear Form"
    QPushButton* Button12;                           // "View Cart"

    // The dialogs of Save and Load, shared by the three pages.
    FileDialog SaveDialog1{FileDialogKind::Save};
    FileDialog OpenDialog1{FileDialogKind::Open};

public slots:
    void Button3Click();
    void Button4Click();
    // The single-item page.
    void MakeButtonClick();
    void ClearButtonClick();
    void SaveButtonClick();
    void LoadButtonClick();
    void Button13Click(); // also the subscription page's "Get Resale Rights!"
    // The subscription page.
    void Button5Click();
    void Button6Click();
    void Button1Click();
    void Button2Click();
    void Button11Click();
    // The shopping-cart page.
    void Button9Click();
    void Button10Click();
    void Button7Click();
    void Button8Click();
    void Button12Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void CreateSingleItemPage();
    void CreateSubscriptionPage();
    void CreateCartPage();
    // Shows a page's code in the result window, scrambled first when `encrypt` is set.
    void ShowCode(std::string code, bool encrypt);
    // Save and Load, the same for the three pages.
    template <typename Button> void Save(Button (TMainForm::*read)() const);
    template <typename Button> void Load(void (TMainForm::*fill)(const Button&));
    // The "Make Button" of the page that is shown.
    QPushButton* DefaultButton() const;
    // What Enter presses: a focused push button, else the shown page's Make Button.
    QPushButton* EnterTarget() const;
    // Draws the default-button frame on EnterTarget alone, so that the user sees what Enter presses.
    void ShowEnterTarget();

    // Every push button of the window, which the default-button frame can fall on.
    std::vector<QPushButton*> pushButtons_;
};

extern TMainForm* MainForm;

} // namespace corvane::ui
