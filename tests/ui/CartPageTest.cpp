#include "UiTestSupport.h"
#include "generate/Cart.h"
#include "ui/Main.h"
#include "ui/Result.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

class CartPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

private slots:
    void initTestCase() {
        fixture = std::make_unique<test::UiFixture>();
        MainForm->PageControl1->setCurrentWidget(MainForm->TabSheet3);
    }
    void cleanupTestCase() { fixture.reset(); }

    void controls_data() {
        test::AddControlColumns();
        test::AddControlRow("Edit4", "TabSheet3", "QLineEdit", {116, 8, 265, 21});
        test::AddControlRow("GroupBox9", "TabSheet3", "QGroupBox", {6, 32, 485, 73}, "Item Details");
        test::AddControlRow("GroupBox10", "TabSheet3", "QGroupBox", {6, 108, 485, 89}, "Return URLs");
        test::AddControlRow("GroupBox11", "TabSheet3", "QGroupBox", {6, 204, 485, 185}, "Website Button");
        test::AddControlRow("GroupBox12", "TabSheet3", "QGroupBox", {6, 392, 485, 121}, "Other");
        test::AddControlRow("Button7", "TabSheet3", "QPushButton", {388, 8, 45, 21}, "Save");
        test::AddControlRow("Button8", "TabSheet3", "QPushButton", {444, 8, 45, 21}, "Load");
        test::AddControlRow("CheckBox6", "TabSheet3", "QCheckBox", {12, 516, 121, 17}, "Encrypt Code");
        test::AddControlRow("Button9", "TabSheet3", "QPushButton", {160, 516, 81, 21}, "Make Button");
        test::AddControlRow("Button10", "TabSheet3", "QPushButton", {252, 516, 81, 21}, "Clear Form");
        test::AddControlRow("Button12", "TabSheet3", "QPushButton", {368, 516, 121, 21}, "View Cart");
        test::AddControlRow("Label15", "TabSheet3", "QLabel", {8, 12, 0, 0}, "PayPal Email Address:");

        test::AddControlRow("Edit15", "GroupBox9", "QLineEdit", {108, 20, 365, 21});
        test::AddControlRow("Edit16", "GroupBox9", "QLineEdit", {108, 44, 137, 21});
        test::AddControlRow("Edit17", "GroupBox9", "QLineEdit", {368, 44, 105, 21});
        test::AddControlRow("Label30", "GroupBox9", "QLabel", {8, 24, 0, 0}, "Item Name/Service:");
        test::AddControlRow("Label31", "GroupBox9", "QLabel", {8, 48, 0, 0}, "Item ID / Number:");
        test::AddControlRow("Label32", "GroupBox9", "QLabel", {252, 48, 0, 0}, "Price of Item / Service:");

        test::AddControlRow("Edit18", "GroupBox10", "QLineEdit", {108, 36, 365, 21});
        test::AddControlRow("Edit19", "GroupBox10", "QLineEdit", {108, 60, 365, 21});
        test::AddControlRow(
            "Label33", "GroupBox10", "QLabel", {16, 20, 0, 0},
            "These are the URLs where a customer is sent after a successful or cancelled purchase.");
        test::AddControlRow("Label34", "GroupBox10", "QLabel", {16, 40, 0, 0}, "Success URL:");
        test::AddControlRow("Label35", "GroupBox10", "QLabel", {16, 64, 0, 0}, "Cancelled URL:");

        test::AddControlRow("RadioButton23", "GroupBox11", "QRadioButton", {16, 132, 417, 17},
                            "OR use your own image, Just enter the exact URL to any image on your website:");
        test::AddControlRow("RadioButton24", "GroupBox11", "QRadioButton", {16, 48, 13, 17});
        test::AddControlRow("Edit20", "GroupBox11", "QLineEdit", {32, 152, 441, 21});
        test::AddControlRow("RadioButton25", "GroupBox11", "QRadioButton", {128, 48, 13, 17});
        test::AddControlRow("RadioButton26", "GroupBox11", "QRadioButton", {260, 48, 13, 17});
        test::AddControlRow("RadioButton27", "GroupBox11", "QRadioButton", {368, 48, 13, 17});
        test::AddControlRow("RadioButton31", "GroupBox11", "QRadioButton", {16, 96, 13, 17});
        test::AddControlRow("Label36", "GroupBox11", "QLabel", {12, 20, 0, 0},
                            "Please select an image to use for your order button...");
        test::AddControlRow("Image19", "GroupBox11", "QLabel", {32, 48, 87, 23});
        test::AddControlRow("Image20", "GroupBox11", "QLabel", {144, 48, 106, 24});
        test::AddControlRow("Image22", "GroupBox11", "QLabel", {280, 40, 70, 35});
        test::AddControlRow("Image23", "GroupBox11", "QLabel", {384, 48, 90, 23});
        test::AddControlRow("Image21", "GroupBox11", "QLabel", {32, 80, 150, 52});

        test::AddControlRow("CheckBox2", "GroupBox12", "QCheckBox", {8, 24, 249, 17},
                            "Collect shipping details from the buyers");
        test::AddControlRow("CheckBox5", "GroupBox12", "QCheckBox", {8, 48, 257, 17},
                            "Allow buyer to include a note with their purchase");
        test::AddControlRow("RadioButton32", "GroupBox12", "QRadioButton", {8, 84, 117, 21},
                            "White Background");
        test::AddControlRow("RadioButton33", "GroupBox12", "QRadioButton", {8, 100, 133, 17},
                            "Black Background");
        test::AddControlRow("Edit21", "GroupBox12", "QLineEdit", {304, 44, 105, 21});
        test::AddControlRow("Label37", "GroupBox12", "QLabel", {268, 48, 0, 0}, "Title:");
        test::AddControlRow("Label38", "GroupBox12", "QLabel", {8, 68, 0, 0}, "Order Page Color...");
    }

    void controls() { test::CheckControl(MainForm); }

    void tabOrder() {
        QCOMPARE(MainForm->PageControl1->tabText(2), QString("Shopping Cart"));
        QCOMPARE(
            test::FocusChainNames(MainForm->Edit4, MainForm->TabSheet3),
            QString("Edit4 Edit15 Edit16 Edit17 Edit18 Edit19 RadioButton23 RadioButton24 Edit20 "
                    "RadioButton25 RadioButton26 RadioButton27 RadioButton31 CheckBox2 CheckBox5 "
                    "RadioButton32 RadioButton33 Edit21 Button7 Button8 CheckBox6 Button9 Button10 Button12")
                .split(' '));
    }

    void makeButtonOnTheUntouchedPage() {
        QCOMPARE(MainForm->ReadCartPage(), CartButton{});
        QCOMPARE(test::ShownCode(MainForm->Button9), QString::fromLatin1(GenerateCartCode({})));
    }

    void picturesByNumber() {
        const char* buttons[] = {"RadioButton24", "RadioButton25", "RadioButton26",
                                 "RadioButton27", "RadioButton31", "RadioButton23"};
        for (int choice = 1; choice <= 6; ++choice) {
            MainForm->findChild<QRadioButton*>(buttons[choice - 1])->click();
            QCOMPARE(MainForm->ReadCartPage().ImageChoice, choice);
        }
        CartButton record;
        record.ImageChoice = 7;
        MainForm->FillCartPage(record);
        QCOMPARE(MainForm->ReadCartPage().ImageChoice, 6);
        record.ImageChoice = 0;
        MainForm->FillCartPage(record);
        QCOMPARE(MainForm->ReadCartPage().ImageChoice, 6);
    }

    void clearFormRestoresTheInitialState() {
        MainForm->Button10->click();
        const QMap<QString, QVariant> initial = test::PageState(MainForm->TabSheet3);
        const QMap<QString, QVariant> singleItem = test::PageState(MainForm->TabSheet1);
        for (QLineEdit* edit : MainForm->TabSheet3->findChildren<QLineEdit*>())
            edit->setText("changed");
        for (QCheckBox* box : MainForm->TabSheet3->findChildren<QCheckBox*>())
            box->setChecked(true);
        MainForm->RadioButton33->setChecked(true);
        MainForm->findChild<QRadioButton*>("RadioButton31")->setChecked(true);
        MainForm->Button10->click();
        QCOMPARE(test::PageState(MainForm->TabSheet3), initial);
        QCOMPARE(MainForm->ReadCartPage(), CartButton{});
        QCOMPARE(test::PageState(MainForm->TabSheet1), singleItem);
    }

    void viewCartUsesThisPagesEmail() {
        MainForm->Email->setText("single@example.com"); // another page's address is not used
        MainForm->Edit4->setText("a+b@example.com");
        fixture->dialogs.inputBoxes.clear();
        MainForm->Button12->click();
        QCOMPARE(fixture->dialogs.inputBoxes.size(), 1u);
        const auto& box = fixture->dialogs.inputBoxes[0];
        QCOMPARE(box.caption, QString("View Cart"));
        QCOMPARE(box.prompt, QString("Send people to this link so they can view their shopping cart:"));
        QCOMPARE(
            box.text,
            QString("https://www.paypal.com/cgi-bin/webscr?cmd=_cart&display=1&business=a%2Bb@example.com"));
        MainForm->Button10->click();
        MainForm->Button12->click();
        QVERIFY(fixture->dialogs.inputBoxes[1].text.endsWith("business="));
        MainForm->Email->clear();
    }
};

QTEST_MAIN(CartPageTest)
#include "CartPageTest.moc"
