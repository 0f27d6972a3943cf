#include "UiTestSupport.h"
#include "generate/Scrambler.h"
#include "generate/Subscription.h"
#include "ui/Main.h"
#include "ui/Result.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

class SubscriptionPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

private slots:
    void initTestCase() {
        fixture = std::make_unique<test::UiFixture>();
        MainForm->PageControl1->setCurrentWidget(MainForm->TabSheet2);
    }
    void cleanupTestCase() { fixture.reset(); }

    void controls_data() {
        test::AddControlColumns();
        test::AddControlRow("Edit1", "TabSheet2", "QLineEdit", {116, 8, 265, 21});
        test::AddControlRow("GroupBox5", "TabSheet2", "QGroupBox", {6, 32, 485, 73}, "Item Details");
        test::AddControlRow("GroupBox8", "TabSheet2", "QGroupBox", {6, 104, 485, 121}, "Other");
        test::AddControlRow("GroupBox6", "TabSheet2", "QGroupBox", {6, 228, 485, 89}, "Return URLs");
        test::AddControlRow("GroupBox7", "TabSheet2", "QGroupBox", {6, 324, 485, 185}, "Website Button");
        test::AddControlRow("CheckBox4", "TabSheet2", "QCheckBox", {12, 516, 121, 17}, "Encrypt Code");
        test::AddControlRow("Button5", "TabSheet2", "QPushButton", {104, 516, 81, 21}, "Make Button");
        test::AddControlRow("Button6", "TabSheet2", "QPushButton", {188, 516, 53, 21}, "Clear");
        test::AddControlRow("Button1", "TabSheet2", "QPushButton", {388, 8, 45, 21}, "Save");
        test::AddControlRow("Button2", "TabSheet2", "QPushButton", {444, 8, 45, 21}, "Load");
        test::AddControlRow("Button11", "TabSheet2", "QPushButton", {360, 76, 121, 21},
                            "Cancel Subscription");
        test::AddControlRow("Button15", "TabSheet2", "QPushButton", {248, 516, 113, 21},
                            "Get Resale Rights!");
        test::AddControlRow("Label12", "TabSheet2", "QLabel", {8, 12, 0, 0}, "PayPal Email Address:");

        test::AddControlRow("Edit2", "GroupBox5", "QLineEdit", {108, 20, 365, 21});
        test::AddControlRow("Edit3", "GroupBox5", "QLineEdit", {108, 44, 137, 21});
        test::AddControlRow("Label13", "GroupBox5", "QLabel", {8, 24, 0, 0}, "Subscription Name:");
        test::AddControlRow("Label14", "GroupBox5", "QLabel", {8, 48, 0, 0}, "Reference ID #:");

        test::AddControlRow("Edit8", "GroupBox8", "QLineEdit", {72, 40, 49, 21});
        test::AddControlRow("Edit9", "GroupBox8", "QLineEdit", {40, 64, 33, 21});
        test::AddControlRow("ComboBox1", "GroupBox8", "QComboBox", {80, 64, 73, 21});
        test::AddControlRow("Edit10", "GroupBox8", "QLineEdit", {224, 40, 49, 21});
        test::AddControlRow("Edit11", "GroupBox8", "QLineEdit", {192, 64, 33, 21});
        test::AddControlRow("ComboBox2", "GroupBox8", "QComboBox", {232, 64, 73, 21});
        test::AddControlRow("Edit12", "GroupBox8", "QLineEdit", {392, 40, 49, 21});
        test::AddControlRow("Edit13", "GroupBox8", "QLineEdit", {360, 64, 33, 21});
        test::AddControlRow("ComboBox3", "GroupBox8", "QComboBox", {400, 64, 73, 21});
        test::AddControlRow("CheckBox1", "GroupBox8", "QCheckBox", {16, 100, 185, 17},
                            "Stop after a certain # of payments:");
        test::AddControlRow("Edit14", "GroupBox8", "QLineEdit", {208, 98, 41, 21});
        test::AddControlRow("RadioButton19", "GroupBox8", "QRadioButton", {368, 100, 57, 17}, "White");
        test::AddControlRow("RadioButton20", "GroupBox8", "QRadioButton", {424, 100, 57, 17}, "Black");
        test::AddControlRow("Label20", "GroupBox8", "QLabel", {8, 16, 0, 0}, "Trial Period 1");
        test::AddControlRow("Label23", "GroupBox8", "QLabel", {160, 16, 0, 0}, "Trial Period 2");
        test::AddControlRow("Label22", "GroupBox8", "QLabel", {320, 16, 0, 0}, "Recurring Billing Cycle");
        test::AddControlRow("Label24", "GroupBox8", "QLabel", {40, 40, 0, 0}, "Bill: $");
        test::AddControlRow("Label26", "GroupBox8", "QLabel", {192, 40, 0, 0}, "Bill: $");
        test::AddControlRow("Label28", "GroupBox8", "QLabel", {360, 40, 0, 0}, "Bill: $");
        test::AddControlRow("Label25", "GroupBox8", "QLabel", {8, 64, 0, 0}, "Lasts:");
        test::AddControlRow("Label27", "GroupBox8", "QLabel", {160, 64, 0, 0}, "Lasts:");
        test::AddControlRow("Label29", "GroupBox8", "QLabel", {328, 64, 0, 0}, "Every:");
        test::AddControlRow("Label21", "GroupBox8", "QLabel", {272, 102, 0, 0}, "Order Page Color...");

        test::AddControlRow("Edit5", "GroupBox6", "QLineEdit", {108, 36, 365, 21});
        test::AddControlRow("Edit6", "GroupBox6", "QLineEdit", {108, 60, 365, 21});
        test::AddControlRow(
            "Label16", "GroupBox6", "QLabel", {16, 20, 0, 0},
            "These are the URLs where a customer is sent after a successful or cancelled purchase.");
        test::AddControlRow("Label17", "GroupBox6", "QLabel", {16, 40, 0, 0}, "Success URL:");
        test::AddControlRow("Label18", "GroupBox6", "QLabel", {16, 64, 0, 0}, "Cancelled URL:");

        test::AddControlRow("RadioButton11", "GroupBox7", "QRadioButton", {16, 48, 13, 17});
        test::AddControlRow("Edit7", "GroupBox7", "QLineEdit", {32, 152, 441, 21});
        test::AddControlRow("RadioButton10", "GroupBox7", "QRadioButton", {16, 132, 417, 17},
                            "OR use your own image, Just enter the exact URL to any image on your website:");
        test::AddControlRow("RadioButton12", "GroupBox7", "QRadioButton", {112, 48, 13, 17});
        test::AddControlRow("RadioButton13", "GroupBox7", "QRadioButton", {204, 48, 13, 17});
        test::AddControlRow("RadioButton14", "GroupBox7", "QRadioButton", {296, 48, 13, 17});
        test::AddControlRow("RadioButton15", "GroupBox7", "QRadioButton", {384, 48, 13, 17});
        test::AddControlRow("RadioButton16", "GroupBox7", "QRadioButton", {116, 85, 13, 17});
        test::AddControlRow("RadioButton17", "GroupBox7", "QRadioButton", {196, 85, 13, 17});
        test::AddControlRow("RadioButton18", "GroupBox7", "QRadioButton", {16, 96, 13, 17});
        test::AddControlRow("RadioButton21", "GroupBox7", "QRadioButton", {276, 85, 13, 17});
        test::AddControlRow("RadioButton22", "GroupBox7", "QRadioButton", {388, 85, 13, 17});
        test::AddControlRow("Label19", "GroupBox7", "QLabel", {12, 20, 0, 0},
                            "Please select an image to use for your order button...");
        test::AddControlRow("Image9", "GroupBox7", "QLabel", {32, 40, 73, 44});
        test::AddControlRow("Image10", "GroupBox7", "QLabel", {128, 40, 73, 44});
        test::AddControlRow("Image11", "GroupBox7", "QLabel", {224, 40, 62, 31});
        test::AddControlRow("Image12", "GroupBox7", "QLabel", {312, 40, 62, 31});
        test::AddControlRow("Image13", "GroupBox7", "QLabel", {400, 40, 62, 31});
        test::AddControlRow("Image14", "GroupBox7", "QLabel", {32, 96, 72, 32});
        test::AddControlRow("Image15", "GroupBox7", "QLabel", {112, 104, 76, 23});
        test::AddControlRow("Image16", "GroupBox7", "QLabel", {192, 104, 76, 21});
        test::AddControlRow("Image17", "GroupBox7", "QLabel", {272, 104, 104, 21});
        test::AddControlRow("Image18", "GroupBox7", "QLabel", {384, 104, 84, 23});
    }

    void controls() { test::CheckControl(MainForm); }

    void details() {
        QCOMPARE(MainForm->PageControl1->tabText(1), QString("Subscription Generator"));
        // The one bold text of the window.
        QVERIFY(MainForm->findChild<QLabel*>("Label22")->font().bold());
        for (QLabel* label : MainForm->PageControl1->findChildren<QLabel*>())
            if (label->objectName() != "Label22")
                QVERIFY2(!label->font().bold(), qPrintable(label->objectName()));
        // The units: pick-only lists of the five entries.
        for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
            const QComboBox* list = MainForm->findChild<QComboBox*>(name);
            QVERIFY(!list->isEditable());
            QCOMPARE(list->count(), 5);
            QStringList entries;
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
            QCOMPARE(entries, QStringList({"", "Day(s)", "Week(s)", "Month(s)", "Year(s)"}));
        }
        // The same picture as the single-item page's sixth, from the one resource.
        QCOMPARE(MainForm->findChild<QLabel*>("Image10")->pixmap().toImage(),
                 MainForm->findChild<QLabel*>("Image2")->pixmap().toImage());
    }

    void tabOrder() {
        QCOMPARE(
            test::FocusChainNames(MainForm->Edit1, MainForm->TabSheet2),
            QString("Edit1 Edit2 Edit3 Edit8 Edit9 ComboBox1 Edit10 Edit11 ComboBox2 Edit12 Edit13 ComboBox3 "
                    "CheckBox1 Edit14 RadioButton19 RadioButton20 Edit5 Edit6 RadioButton11 Edit7 "
                    "RadioButton10 RadioButton12 RadioButton13 RadioButton14 RadioButton15 RadioButton16 "
                    "RadioButton17 RadioButton18 RadioButton21 RadioButton22 CheckBox4 Button5 Button6 "
                    "Button1 Button2 Button11 Button15")
                .split(' '));
    }

    void makeButtonAsItStartsAndAfterClear() {
        const QString expected = QString::fromLatin1(GenerateSubscriptionCode({}));
        QCOMPARE(MainForm->ReadSubscriptionPage(), SubscriptionButton{});
        QCOMPARE(test::ShownCode(MainForm->Button5), expected);
        MainForm->Button6->click();
        // The lists now have no entry selected, which gives the same empty codes.
        const SubscriptionButton cleared = MainForm->ReadSubscriptionPage();
        QCOMPARE(cleared.Trial1Unit, -1);
        QCOMPARE(cleared.Trial2Unit, -1);
        QCOMPARE(cleared.RegularUnit, -1);
        QCOMPARE(test::ShownCode(MainForm->Button5), expected);
    }

    void makeButtonScrambles() {
        MainForm->CheckBox4->setChecked(true);
        FillerGenerator expectedState = ProcessFillerGenerator();
        const std::string expected =
            EncryptCode(GenerateSubscriptionCode(MainForm->ReadSubscriptionPage()), expectedState);
        QCOMPARE(test::ShownCode(MainForm->Button5), QString::fromLatin1(expected));
        MainForm->Button6->click();
    }

    void picturesAndUnitsByNumber() {
        const char* buttons[] = {"RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14",
                                 "RadioButton15", "RadioButton18", "RadioButton16", "RadioButton17",
                                 "RadioButton21", "RadioButton22", "RadioButton10"};
        for (int choice = 1; choice <= 11; ++choice) {
            MainForm->findChild<QRadioButton*>(buttons[choice - 1])->click();
            QCOMPARE(MainForm->ReadSubscriptionPage().ImageChoice, choice);
        }
        SubscriptionButton record;
        record.ImageChoice = 12; // no picture of this page: the choice stays
        record.Trial1Unit = 7;   // no entry of the list: none selected
        record.Trial2Unit = -3;
        record.RegularUnit = 4;
        MainForm->FillSubscriptionPage(record);
        const SubscriptionButton read = MainForm->ReadSubscriptionPage();
        QCOMPARE(read.ImageChoice, 11);
        QCOMPARE(read.Trial1Unit, -1);
        QCOMPARE(read.Trial2Unit, -1);
        QCOMPARE(read.RegularUnit, 4);
        MainForm->Button6->click();
    }

    void clearEmptiesThePageAndNothingElse() {
        const QMap<QString, QVariant> otherPages[] = {test::PageState(MainForm->TabSheet1),
                                                      test::PageState(MainForm->TabSheet3)};
        MainForm->Button6->click();
        const QMap<QString, QVariant> cleared = test::PageState(MainForm->TabSheet2);
        for (QLineEdit* edit : MainForm->TabSheet2->findChildren<QLineEdit*>())
            edit->setText("changed");
        for (QCheckBox* box : MainForm->TabSheet2->findChildren<QCheckBox*>())
            box->setChecked(true);
        for (QComboBox* list : MainForm->TabSheet2->findChildren<QComboBox*>())
            list->setCurrentIndex(2);
        MainForm->RadioButton20->setChecked(true);
        MainForm->findChild<QRadioButton*>("RadioButton16")->setChecked(true);
        MainForm->Button6->click();
        QCOMPARE(test::PageState(MainForm->TabSheet2), cleared);
        QCOMPARE(MainForm->Edit1->text(), QString());
        QVERIFY(MainForm->RadioButton19->isChecked());
        QVERIFY(MainForm->findChild<QRadioButton*>("RadioButton11")->isChecked());
        QCOMPARE(MainForm->ComboBox2->currentIndex(), -1);
        QCOMPARE(test::PageState(MainForm->TabSheet1), otherPages[0]);
        QCOMPARE(test::PageState(MainForm->TabSheet3), otherPages[1]);
    }

    void cancelSubscriptionShowsTheLinkToCopy() {
        MainForm->Edit1->setText("a b&c@example.com");
        const QMap<QString, QVariant> before = test::PageState(MainForm->TabSheet2);
        fixture->dialogs.inputBoxes.clear();
        MainForm->Button11->click();
        QCOMPARE(fixture->dialogs.inputBoxes.size(), 1u);
        const auto& box = fixture->dialogs.inputBoxes[0];
        QCOMPARE(box.caption, QString("Cancel Subscription"));
        QCOMPARE(box.prompt, QString("Send people to this link so they can cancel their subscription:"));
        QCOMPARE(
            box.text,
            QString("https://www.paypal.com/cgi-bin/webscr?cmd=_subscr-find&alias=a%20b%26c@example.com"));
        QCOMPARE(test::PageState(MainForm->TabSheet2), before);
        MainForm->Edit1->clear();
        MainForm->Button11->click();
        QVERIFY(fixture->dialogs.inputBoxes[1].text.endsWith("alias="));
    }

    void enterPressesThisPagesMakeButton() {
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        MainForm->Edit2->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), MainForm->Edit2);
        QSignalSpy mine(MainForm->Button5, &QPushButton::clicked);
        QSignalSpy singleItem(MainForm->MakeButton, &QPushButton::clicked);
        test::WhenModalShown([](QWidget&) {});
        QTest::keyClick(MainForm->Edit2, Qt::Key_Return);
        QCOMPARE(mine.count(), 1);
        QCOMPARE(singleItem.count(), 0);
    }
};

QTEST_MAIN(SubscriptionPageTest)
#include "SubscriptionPageTest.moc"
