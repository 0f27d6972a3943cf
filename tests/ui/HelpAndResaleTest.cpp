#include "UiTestSupport.h"
#include "ui/Help.h"
#include "ui/Main.h"
#include "ui/Unit2.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

class HelpAndResaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

private slots:
    void initTestCase() { fixture = std::make_unique<test::UiFixture>(); }
    void cleanupTestCase() { fixture.reset(); }

    void helpText() {
        const QStringList lines = THelpForm::HelpLines();
        QCOMPARE(lines[0], QString("Corvane Generator"));
        QCOMPARE(lines[1], QString(28, '-'));
        QCOMPARE(lines[3],
                 QString("This program will generate PayPal order buttons on the fly so that you don't "
                         "have to log in to "));
        QCOMPARE(lines[13], QString("account at paypal.com."));
        QCOMPARE(lines[15],
                 QString("Check the box \"Encrypt Code\" if you want your code to be secured, and use the "
                         "\"Save\" "));
        QCOMPARE(lines[19], QString("clipboard, or test it in your web browser."));
        QCOMPARE(lines[20], QString());
        // The closing block starts, and its parts are set off, with lines of 41 hyphens.
        QCOMPARE(lines[21], QString(41, '-'));
        QVERIFY(lines.count(QString(41, '-')) >= 2);
        QCOMPARE(HelpForm->RichEdit1->toPlainText(), lines.join('\n'));
        QVERIFY(HelpForm->RichEdit1->isReadOnly());
    }

    void helpWindow() {
        QCOMPARE(HelpForm->windowTitle(), QString("Corvane Generator Help"));
        QCOMPARE(HelpForm->size(), QSize(443, 512));
        QCOMPARE(HelpForm->RichEdit1->geometry(), QRect(4, 12, 437, 465));
        QCOMPARE(HelpForm->Button1->geometry(), QRect(172, 480, 97, 25));
        QCOMPARE(HelpForm->Button1->text(), QString("OK"));
    }

    void helpIsModalAndOkClosesIt() {
        QWidget* modal = nullptr;
        test::WhenModalShown([&modal](QWidget& window) { modal = &window; });
        MainForm->Button3->click(); // returns when the help window has closed
        QCOMPARE(modal, HelpForm);
        QVERIFY(!HelpForm->isVisible());

        test::WhenModalShown([](QWidget&) { HelpForm->Button1->click(); });
        MainForm->Button3->click();
        QVERIFY(!HelpForm->isVisible());
    }

    void resaleText() {
        const QStringList lines = TForm2::ResaleLines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QString("If you've ever planned to make truckloads of cash on the "));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[7], QString("only pay you 35%-50% per sale. Don't get me wrong - Affiliate "));
        QCOMPARE(lines[9], QString("digital product and keeping 100% of the profits is even better! "));
        QCOMPARE(Form2->Memo1->toPlainText(), lines.join('\n'));
    }

    void resaleWindow() {
        QCOMPARE(Form2->windowTitle(), QString("Get Resale Rights!"));
        QCOMPARE(Form2->size(), QSize(432, 265));
        QCOMPARE(Form2->Memo1->geometry(), QRect(40, 48, 369, 161));
        QCOMPARE(Form2->Button1->geometry(), QRect(136, 224, 169, 25));
        QCOMPARE(Form2->Button1->text(), QString("Click Here For Resale Rights!"));
        QCOMPARE(Form2->Label1->pos(), QPoint(136, 8));
        QCOMPARE(Form2->Label1->text(), QString("Resale Rights"));
    }

    void resaleWindowIsModelessAndNeverDoubled() {
        MainForm->show();
        MainForm->Button13->click();
        QVERIFY(Form2->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        MainForm->Button13->click();
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            shown += qobject_cast<TForm2*>(window) != nullptr && window->isVisible();
        QCOMPARE(shown, 1);

        fixture->openedUrls.clear();
        Form2->Button1->click();
        Form2->Button1->click();
        QCOMPARE(fixture->openedUrls, std::vector<QUrl>(2, TForm2::ResalePage()));
        QVERIFY(Form2->isVisible());
        Form2->close();
        QVERIFY(MainForm->isVisible()); // closing it does not end the program
    }

    // A window beside the main window, not owned by it: the main window can come in front of it.
    void resaleWindowStandsBesideTheMainWindow() {
        MainForm->show();
        MainForm->Button13->click();
        QVERIFY(Form2->parentWidget() == nullptr);
        QVERIFY(Form2->windowHandle()->transientParent() == nullptr);
        QVERIFY(!(Form2->windowFlags() & Qt::WindowStaysOnTopHint));
#ifdef Q_OS_WIN
        QCOMPARE(Form2->windowType(), Qt::Tool); // the small title bar, and no owner
#else
        QCOMPARE(Form2->windowType(), Qt::Window); // Qt makes a tool window a transient of the program
#endif
        QCOMPARE(Form2->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowFlags());
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QVERIFY(Form2->isVisible());
        Form2->close();
    }
};

QTEST_MAIN(HelpAndResaleTest)
#include "HelpAndResaleTest.moc"
