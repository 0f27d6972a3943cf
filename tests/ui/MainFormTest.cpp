#include "UiTestSupport.h"
#include "generate/Scrambler.h"
#include "generate/SingleItem.h"
#include "ui/Main.h"
#include "ui/Result.h"
#include "ui/Unit2.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

private slots:
    void initTestCase() { fixture = std::make_unique<test::UiFixture>(); }
    void cleanupTestCase() { fixture.reset(); }
    void init() {
        MainForm->ClearButtonClick();
        MainForm->PageControl1->setCurrentIndex(0);
    }

    void controls_data() {
        test::AddControlColumns();
        test::AddControlRow("PageControl1", "MainForm", "QTabWidget", {0, 0, 499, 567});
        test::AddControlRow("Button3", "MainForm", "QPushButton", {330, 1, 81, 17}, "Help");
        test::AddControlRow("Button4", "MainForm", "QPushButton", {416, 1, 81, 17}, "Exit");

        test::AddControlRow("Email", "TabSheet1", "QLineEdit", {116, 8, 265, 21});
        test::AddControlRow("GroupBox1", "TabSheet1", "QGroupBox", {6, 32, 485, 73}, "Item Details");
        test::AddControlRow("GroupBox2", "TabSheet1", "QGroupBox", {6, 108, 485, 89}, "Return URLs");
        test::AddControlRow("GroupBox3", "TabSheet1", "QGroupBox", {6, 204, 485, 185}, "Website Button");
        test::AddControlRow("GroupBox4", "TabSheet1", "QGroupBox", {6, 392, 485, 121}, "Other");
        test::AddControlRow("Encrypt", "TabSheet1", "QCheckBox", {12, 516, 121, 17}, "Encrypt Code");
        test::AddControlRow("MakeButton", "TabSheet1", "QPushButton", {104, 516, 81, 21}, "Make Button");
        test::AddControlRow("ClearButton", "TabSheet1", "QPushButton", {188, 516, 53, 21}, "Clear");
        test::AddControlRow("SaveButton", "TabSheet1", "QPushButton", {388, 8, 45, 21}, "Save");
        test::AddControlRow("LoadButton", "TabSheet1", "QPushButton", {444, 8, 45, 21}, "Load");
        test::AddControlRow("Button13", "TabSheet1", "QPushButton", {248, 516, 113, 21},
                            "Get Resale Rights!");
        test::AddControlRow("Label1", "TabSheet1", "QLabel", {8, 12, 0, 0}, "PayPal Email Address:");

        test::AddControlRow("Name", "GroupBox1", "QLineEdit", {108, 20, 365, 21});
        test::AddControlRow("Number", "GroupBox1", "QLineEdit", {108, 44, 137, 21});
        test::AddControlRow("Price", "GroupBox1", "QLineEdit", {368, 44, 105, 21});
        test::AddControlRow("Label2", "GroupBox1", "QLabel", {8, 24, 0, 0}, "Item Name/Service:");
        test::AddControlRow("Label3", "GroupBox1", "QLabel", {8, 48, 0, 0}, "Item ID / Number:");
        test::AddControlRow("Label4", "GroupBox1", "QLabel", {252, 48, 0, 0}, "Price of Item / Service:");

        test::AddControlRow("Success", "GroupBox2", "QLineEdit", {108, 36, 365, 21});
        test::AddControlRow("Cancelled", "GroupBox2", "QLineEdit", {108, 60, 365, 21});
        test::AddControlRow(
            "Label5", "GroupBox2", "QLabel", {16, 20, 0, 0},
            "These are the URLs where a customer is sent after a successful or cancelled purchase.");
        test::AddControlRow("Label6", "GroupBox2", "QLabel", {16, 40, 0, 0}, "Success URL:");
        test::AddControlRow("Label7", "GroupBox2", "QLabel", {16, 64, 0, 0}, "Cancelled URL:");

        test::AddControlRow("RadioButton9", "GroupBox3", "QRadioButton", {16, 132, 417, 17},
                            "OR use your own image, Just enter the exact URL to any image on your website:");
        test::AddControlRow("RadioButton1", "GroupBox3", "QRadioButton", {16, 48, 13, 17});
        test::AddControlRow("OwnURL", "GroupBox3", "QLineEdit", {32, 152, 441, 21});
        test::AddControlRow("RadioButton2", "GroupBox3", "QRadioButton", {112, 48, 13, 17});
        test::AddControlRow("RadioButton3", "GroupBox3", "QRadioButton", {204, 48, 13, 17});
        test::AddControlRow("RadioButton4", "GroupBox3", "QRadioButton", {296, 48, 13, 17});
        test::AddControlRow("RadioButton5", "GroupBox3", "QRadioButton", {384, 48, 13, 17});
        test::AddControlRow("RadioButton7", "GroupBox3", "QRadioButton", {124, 96, 13, 17});
        test::AddControlRow("RadioButton8", "GroupBox3", "QRadioButton", {308, 96, 13, 17});
        test::AddControlRow("RadioButton6", "GroupBox3", "QRadioButton", {16, 96, 13, 17});
        test::AddControlRow("Label11", "GroupBox3", "QLabel", {12, 20, 0, 0},
                            "Please select an image to use for your order button...");
        test::AddControlRow("Image1", "GroupBox3", "QLabel", {32, 44, 68, 23});
        test::AddControlRow("Image3", "GroupBox3", "QLabel", {128, 40, 62, 31});
        test::AddControlRow("Image4", "GroupBox3", "QLabel", {220, 40, 62, 31});
        test::AddControlRow("Image5", "GroupBox3", "QLabel", {312, 40, 62, 31});
        test::AddControlRow("Image6", "GroupBox3", "QLabel", {400, 44, 72, 23});
        test::AddControlRow("Image2", "GroupBox3", "QLabel", {32, 80, 73, 44});
        test::AddControlRow("Image7", "GroupBox3", "QLabel", {140, 76, 150, 52});
        test::AddControlRow("Image8", "GroupBox3", "QLabel", {324, 76, 150, 52});

        test::AddControlRow("Shipping", "GroupBox4", "QCheckBox", {8, 16, 249, 17},
                            "Collect shipping details from the buyers");
        test::AddControlRow("Multiple", "GroupBox4", "QCheckBox", {8, 32, 277, 17},
                            "Allow buyers to purchase more than one of this item");
        test::AddControlRow("IncludeNote", "GroupBox4", "QCheckBox", {8, 48, 257, 17},
                            "Allow buyer to include a note with their purchase");
        test::AddControlRow("White", "GroupBox4", "QRadioButton", {8, 84, 117, 21}, "White Background");
        test::AddControlRow("Black", "GroupBox4", "QRadioButton", {8, 100, 133, 17}, "Black Background");
        test::AddControlRow("NoteTitle", "GroupBox4", "QLineEdit", {304, 44, 105, 21});
        test::AddControlRow("Label9", "GroupBox4", "QLabel", {268, 48, 0, 0}, "Title:");
        test::AddControlRow("Label10", "GroupBox4", "QLabel", {8, 68, 0, 0}, "Order Page Color...");
    }

    void controls() { test::CheckControl(MainForm); }

    void mainWindow() {
        QCOMPARE(MainForm->windowTitle(), QString("Halloran's Corvane Generator"));
        QCOMPARE(MainForm->size(), QSize(499, 567));
        QCOMPARE(MainForm->minimumSize(), MainForm->maximumSize());
        QVERIFY(!(MainForm->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(MainForm->windowFlags() & Qt::WindowMinimizeButtonHint);
        const QTabBar* tabs = MainForm->PageControl1->tabBar();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QString("Single Item Generator"));
        QCOMPARE(tabs->tabText(1), QString("Subscription Generator"));
        QCOMPARE(tabs->tabText(2), QString("Shopping Cart"));
        QCOMPARE(MainForm->PageControl1->currentWidget(), MainForm->TabSheet1);
        // The default-button frame is there from the start, before any focus has moved.
        QVERIFY(MainForm->MakeButton->isDefault() && !MainForm->ClearButton->isDefault());
        // All three tabs are visible left of "Help".
        QVERIFY(tabs->mapTo(MainForm, tabs->tabRect(2).topRight()).x() < MainForm->Button3->x());
    }

    void tabOrder() {
        QCOMPARE(
            test::FocusChainNames(MainForm->Email, MainForm->TabSheet1),
            QString("Email Name Number Price Success Cancelled RadioButton9 RadioButton1 OwnURL RadioButton2 "
                    "RadioButton3 RadioButton4 RadioButton5 RadioButton7 RadioButton8 RadioButton6 Shipping "
                    "Multiple IncludeNote White Black NoteTitle Encrypt MakeButton ClearButton SaveButton "
                    "LoadButton Button13")
                .split(' '));
        // The pages one after the other (those hidden are passed over), then "Help" and "Exit".
        QCOMPARE(test::NextInTabOrder(MainForm->Button13), MainForm->Edit1);
        QCOMPARE(test::NextInTabOrder(MainForm->Button15), MainForm->Edit4);
        QCOMPARE(test::NextInTabOrder(MainForm->Button12), MainForm->Button3);
        QCOMPARE(test::NextInTabOrder(MainForm->Button3), MainForm->Button4);
    }

    void makeButtonOnTheUntouchedPage() {
        QCOMPARE(test::ShownCode(MainForm->MakeButton), QString::fromLatin1(GenerateSingleItemCode({})));
    }

    void makeButtonScrambles() {
        MainForm->Encrypt->setChecked(true);
        FillerGenerator expectedState = ProcessFillerGenerator();
        const std::string expected = EncryptCode(GenerateSingleItemCode({}), expectedState);
        QCOMPARE(test::ShownCode(MainForm->MakeButton), QString::fromLatin1(expected));
        QCOMPARE(ProcessFillerGenerator().Seed(), expectedState.Seed()); // one state for the whole program
        QVERIFY(MainForm->Encrypt->isChecked());
    }

    // The block writes each byte as the character of that number: letters outside ASCII go into it as
    // character references, so that the page shows what was typed.
    void scrambledCodeCarriesLettersAsReferences() {
        MainForm->Name->setText(QString::fromUtf8("Café crème"));
        MainForm->Encrypt->setChecked(true);
        const QString block = test::ShownCode(MainForm->MakeButton);
        const qsizetype start = block.indexOf("s=\"") + 3;
        const QString value = block.mid(start, block.indexOf('"', start) - start);
        QByteArray decoded;
        for (qsizetype i = 0; i + 2 < value.size(); i += 3)
            decoded += char(value.mid(i + 1, 2).toInt(nullptr, 16));
        QVERIFY2(decoded.contains("value=\"Caf&#233; cr&#232;me\""), decoded.constData());
    }

    void readsEveryControl() {
        SingleItemButton full;
        full.Email = "me@example.com";
        full.Name = "12\" pizza";
        full.Number = "P-12";
        full.Price = "9,50";
        full.Success = "https://example.com/ok";
        full.Cancelled = "https://example.com/no";
        full.ImageChoice = 9;
        full.OwnURL = "https://example.com/b.gif";
        full.Shipping = full.Multiple = full.IncludeNote = true;
        full.NoteTitle = "Toppings";
        full.PageColour = PageColour::Black;
        full.Encrypt = true;
        QTest::keyClicks(MainForm->Email, "me@example.com");
        QTest::keyClicks(MainForm->Name, "12\" pizza");
        QTest::keyClicks(MainForm->Number, "P-12");
        QTest::keyClicks(MainForm->Price, "9,50");
        QTest::keyClicks(MainForm->Success, "https://example.com/ok");
        QTest::keyClicks(MainForm->Cancelled, "https://example.com/no");
        MainForm->findChild<QRadioButton*>("RadioButton9")->click();
        QTest::keyClicks(MainForm->OwnURL, "https://example.com/b.gif");
        for (QAbstractButton* tick :
             {(QAbstractButton*)MainForm->Shipping, (QAbstractButton*)MainForm->Multiple,
              (QAbstractButton*)MainForm->IncludeNote, (QAbstractButton*)MainForm->Black,
              (QAbstractButton*)MainForm->Encrypt})
            tick->click();
        QTest::keyClicks(MainForm->NoteTitle, "Toppings");
        QCOMPARE(MainForm->ReadSingleItemPage(), full);
    }

    void pictureChoicesByNumber() {
        for (int choice = 1; choice <= 9; ++choice) {
            MainForm->findChild<QRadioButton*>(QString("RadioButton%1").arg(choice))->click();
            QCOMPARE(MainForm->ReadSingleItemPage().ImageChoice, choice);
        }
        // A number outside the page's pictures keeps the choice.
        SingleItemButton record;
        record.ImageChoice = 0;
        MainForm->FillSingleItemPage(record);
        QCOMPARE(MainForm->ReadSingleItemPage().ImageChoice, 9);
        record.ImageChoice = 10;
        MainForm->FillSingleItemPage(record);
        QCOMPARE(MainForm->ReadSingleItemPage().ImageChoice, 9);
        record.ImageChoice = 7;
        MainForm->FillSingleItemPage(record);
        QCOMPARE(MainForm->ReadSingleItemPage().ImageChoice, 7);
    }

    void clearRestoresTheInitialState() {
        const QMap<QString, QVariant> initial = test::PageState(MainForm->TabSheet1);
        QCOMPARE(MainForm->ReadSingleItemPage(), SingleItemButton{});
        for (QLineEdit* edit : MainForm->TabSheet1->findChildren<QLineEdit*>())
            edit->setText("changed");
        for (QCheckBox* box : MainForm->TabSheet1->findChildren<QCheckBox*>())
            box->setChecked(true);
        MainForm->findChild<QRadioButton*>("RadioButton7")->setChecked(true);
        MainForm->Black->setChecked(true);
        QVERIFY(test::PageState(MainForm->TabSheet1) != initial);
        MainForm->ClearButton->click();
        QCOMPARE(test::PageState(MainForm->TabSheet1), initial);
    }

    void enterPressesTheDefaultOrTheFocusedButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("edit box") << "Name"
                                  << "MakeButton";
        QTest::newRow("check box") << "Shipping"
                                   << "MakeButton";
        QTest::newRow("picture button") << "RadioButton1"
                                        << "MakeButton";
        QTest::newRow("colour button") << "White"
                                       << "MakeButton";
        QTest::newRow("Make Button") << "MakeButton"
                                     << "MakeButton";
        QTest::newRow("Clear") << "ClearButton"
                               << "ClearButton";
        QTest::newRow("Get Resale Rights") << "Button13"
                                           << "Button13";
    }

    void enterPressesTheDefaultOrTheFocusedButton() {
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QWidget* target = MainForm->findChild<QWidget*>(focus);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);

        std::map<QString, std::unique_ptr<QSignalSpy>> spies;
        for (QPushButton* button : MainForm->TabSheet1->findChildren<QPushButton*>())
            spies[button->objectName()] = std::make_unique<QSignalSpy>(button, &QPushButton::clicked);
        if (pressed == "MakeButton")
            test::WhenModalShown([](QWidget&) {});
        QTest::keyClick(target, Qt::Key_Return);
        for (const auto& [name, spy] : spies)
            QCOMPARE(spy->count(), name == pressed ? 1 : 0);
        Form2->hide();
    }

    // Tab presses, as the user makes them, from `from`: the names of the widgets the focus lands on.
    static QStringList TabStops(QWidget* from, int presses,
                                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        from->setFocus();
        QStringList stops;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            stops << QApplication::focusWidget()->objectName();
        }
        return stops;
    }

    void ActivateMainForm() {
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
    }

    // Of each group of radio buttons Tab reaches only the ticked one, in that one's place.
    void tabLandsOnTheTickedRadioButton() {
        ActivateMainForm();
        QCOMPARE(TabStops(MainForm->Cancelled, 7),
                 QString("RadioButton1 OwnURL Shipping Multiple IncludeNote White NoteTitle").split(' '));
        MainForm->findChild<QRadioButton*>("RadioButton7")->click();
        MainForm->Black->click();
        QCOMPARE(TabStops(MainForm->Cancelled, 7),
                 QString("OwnURL RadioButton7 Shipping Multiple IncludeNote Black NoteTitle").split(' '));
        QCOMPARE(TabStops(MainForm->Shipping, 3, Qt::ShiftModifier),
                 QString("RadioButton7 OwnURL Cancelled").split(' '));
        // Clear ticks the first picture and White: there Tab lands, not where the focus was last.
        MainForm->Black->setFocus();
        MainForm->ClearButton->click();
        QCOMPARE(TabStops(MainForm->Cancelled, 7),
                 QString("RadioButton1 OwnURL Shipping Multiple IncludeNote White NoteTitle").split(' '));
    }

    // The arrow keys move through the group in tab order, round at the ends, ticking as they go.
    void arrowKeysMoveWithinTheGroup_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("right to the next picture") << "RadioButton1" << int(Qt::Key_Right) << "RadioButton2";
        QTest::newRow("past the address box") << "RadioButton1" << int(Qt::Key_Down) << "RadioButton2";
        QTest::newRow("left to the one before") << "RadioButton1" << int(Qt::Key_Left) << "RadioButton9";
        QTest::newRow("round from the first") << "RadioButton9" << int(Qt::Key_Up) << "RadioButton6";
        QTest::newRow("round from the last") << "RadioButton6" << int(Qt::Key_Down) << "RadioButton9";
        QTest::newRow("second row") << "RadioButton5" << int(Qt::Key_Right) << "RadioButton7";
        QTest::newRow("colour down") << "White" << int(Qt::Key_Down) << "Black";
        QTest::newRow("colour round") << "Black" << int(Qt::Key_Down) << "White";
    }

    void arrowKeysMoveWithinTheGroup() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        ActivateMainForm();
        auto* start = MainForm->findChild<QRadioButton*>(from);
        start->click();
        start->setFocus();
        QTest::keyClick(start, Qt::Key(key));
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
        QVERIFY(MainForm->findChild<QRadioButton*>(to)->isChecked());
        QVERIFY(!start->isChecked());
    }

    // The default-button frame is drawn on what Enter presses: the page's Make Button, or the push button
    // that has the focus.
    void theDefaultFrameShowsWhatEnterPresses() {
        ActivateMainForm();
        const auto framed = [](QPushButton* button) {
            const QImage image = button->grab().toImage();
            return image.pixel(0, 0) == button->palette().color(QPalette::WindowText).rgb() &&
                   image.pixel(0, 0) != image.pixel(1, 1); // the frame around the bevel
        };
        MainForm->Email->setFocus();
        QVERIFY(framed(MainForm->MakeButton));
        QVERIFY(!framed(MainForm->ClearButton));
        MainForm->ClearButton->setFocus();
        QVERIFY(framed(MainForm->ClearButton));
        QVERIFY(!framed(MainForm->MakeButton));
        MainForm->PageControl1->setCurrentIndex(2);
        MainForm->Edit15->setFocus();
        QVERIFY(framed(MainForm->Button9));
        QVERIFY(!framed(MainForm->MakeButton));
    }

    // A push button on a page that is not shown can still be the window's focus widget (without a window
    // manager nothing moves the focus away): Enter presses the shown page's Make Button, not it.
    void enterIgnoresAFocusedButtonThatCannotBeSeen() {
        MainForm->show();
        Form2->show(); // another window is active
        Form2->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        MainForm->PageControl1->setCurrentIndex(0);
        MainForm->Button2->setFocus(); // "Load" of the subscription page, which is not shown
        QCOMPARE(MainForm->focusWidget(), MainForm->Button2);
        QSignalSpy load(MainForm->Button2, &QPushButton::clicked);
        QSignalSpy make(MainForm->MakeButton, &QPushButton::clicked);
        test::WhenModalShown([](QWidget&) {});
        QTest::keyClick(MainForm, Qt::Key_Return);
        QCOMPARE(load.count(), 0);
        QCOMPARE(make.count(), 1);
        Form2->hide();
    }

    // Under X11 a file dialog is destroyed before the window manager gives the focus back to the main
    // window: the focus then moves from child to child of the dialog as they go. The main window, which
    // follows the focus for its default button, must not look into the dialog then (it crashed).
    void focusMovingWhileADialogIsDestroyed() {
        struct LastChild : QWidget {
            using QWidget::QWidget;
            ~LastChild() override { emit qApp->focusChanged(this, nullptr); }
        };
        ActivateMainForm();
        auto* dialog = new QDialog(MainForm);
        for (int i = 0; i < 3; ++i)
            new QLineEdit(dialog);
        new LastChild(dialog);
        delete dialog;
        QVERIFY(MainForm->MakeButton->isDefault());
    }

    void exitClosesTheMainWindow() {
        MainForm->show();
        MainForm->Button4->click();
        QVERIFY(!MainForm->isVisible());
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
