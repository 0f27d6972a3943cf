#pragma once

// The main window: the tabbed pages of the three kinds of button, and "Help" and "Exit" above the right
// end of the tab row. The window's class holds the handlers of all three pages; each page reads its
// controls into a button record and fills them from one.

#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"

#include <QWidget>
#include <array>

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

    SingleItemButton ReadSingleItemPage() const;
    void FillSingleItemPage(const SingleItemButton& button);

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

public slots:
    void Button3Click();
    void Button4Click();
    void MakeButtonClick();
    void ClearButtonClick();
    void Button13Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void CreateSingleItemPage();
    // The "Make Button" of the page that is shown, which Enter presses.
    QPushButton* DefaultButton() const;
};

extern TMainForm* MainForm;

} // namespace corvane::ui
