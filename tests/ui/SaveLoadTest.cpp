#include "UiTestSupport.h"
#include "generate/Cart.h"
#include "generate/SingleItem.h"
#include "generate/Subscription.h"
#include "generate/Text.h"
#include "ui/Controls.h"
#include "ui/Main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

namespace {

constexpr const char* SingleItemNotice =
    "This file appears to be a single item button.  Please load it in the single item generator.";
constexpr const char* SubscriptionNotice =
    "This file appears to be a subscription button.  Please load it in the subscription generator.";
constexpr const char* CartNotice =
    "This file appears to be a shopping cart button.  Please load it in the shopping cart generator.";

// A page of the main window with its Save and Load buttons and Clear.
struct Page {
    QWidget* sheet;
    QPushButton* save;
    QPushButton* load;
    QPushButton* clear;
};

Page PageNamed(const QString& name) {
    if (name == "single item")
        return {MainForm->TabSheet1, MainForm->SaveButton, MainForm->LoadButton, MainForm->ClearButton};
    if (name == "subscription")
        return {MainForm->TabSheet2, MainForm->Button1, MainForm->Button2, MainForm->Button6};
    return {MainForm->TabSheet3, MainForm->Button7, MainForm->Button8, MainForm->Button10};
}

// Gives every control of a page a value other than its first one; texts longer than 4096 bytes.
void ChangeEveryControl(QWidget* sheet) {
    int n = 0;
    for (QLineEdit* edit : sheet->findChildren<QLineEdit*>())
        edit->setText(QString("%1 value %2 ").arg(edit->objectName()).arg(++n) + QString(5000, 'x'));
    for (QAbstractButton* box : sheet->findChildren<QAbstractButton*>())
        if (box->isCheckable() && !qobject_cast<QRadioButton*>(box))
            box->setChecked(true);
    for (QComboBox* list : sheet->findChildren<QComboBox*>())
        list->setCurrentIndex(++n % 5);
    // The last picture button of each page is the own picture; Black is the second colour.
    const QList<QRadioButton*> radios = sheet->findChildren<QRadioButton*>();
    for (QRadioButton* radio : radios)
        if (radio->text().startsWith("OR use your own image") || radio->text().startsWith("Black"))
            radio->setChecked(true);
}

} // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

    QString PathOf(const QString& name) { return fixture->temporaryFolder.filePath(name); }

    // Presses `button` with the file dialog answering `path` (an empty one cancels).
    void PressWithFile(QPushButton* button, const QString& path) {
        fixture->dialogs.fileNameAnswers = QStringList{path};
        button->click();
    }

private slots:
    void initTestCase() { fixture = std::make_unique<test::UiFixture>(); }
    void cleanupTestCase() { fixture.reset(); }
    void init() {
        fixture->dialogs.messages.clear();
        MainForm->ClearButtonClick();
        MainForm->Button10Click();
        MainForm->FillSubscriptionPage(SubscriptionButton{}); // as it starts, with the blank units
    }

    void untouchedPagesSaveTheDefaultFiles_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("single item") << "single item"
                                     << QByteArray(
                                            "\r\n\r\n\r\n\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n0\r\n\r\n1\r\n0\r\n");
        QTest::newRow("subscription") << "subscription"
                                      << QByteArray(".subscription\r\n\r\n\r\n\r\n\r\n\r\n0\r\n\r\n\r\n0\r\n"
                                                    "\r\n\r\n0\r\n0\r\n\r\n1\r\n\r\n\r\n1\r\n\r\n0\r\n");
        QTest::newRow("shopping cart")
            << "shopping cart"
            << QByteArray(".cart\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n\r\n1\r\n0\r\n");
    }

    void untouchedPagesSaveTheDefaultFiles() {
        QFETCH(QString, page);
        QFETCH(QByteArray, bytes);
        const QString path = PathOf(page + ".crv");
        PressWithFile(PageNamed(page).save, path);
        QCOMPARE(test::FileBytes(path), bytes);
        QVERIFY(fixture->dialogs.messages.empty());
    }

    void subscriptionAfterClearSavesNoUnits() {
        MainForm->Button6->click();
        PressWithFile(MainForm->Button1, PathOf("cleared.crv"));
        QCOMPARE(test::FileBytes(PathOf("cleared.crv")),
                 QByteArray(".subscription\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n\r\n\r\n-1\r\n\r\n\r\n-"
                            "1\r\n0\r\n\r\n1\r\n\r\n\r\n1\r\n\r\n0\r\n"));
    }

    void saveThenLoadGivesBackEveryControl_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("single item") << "single item";
        QTest::newRow("subscription") << "subscription";
        QTest::newRow("shopping cart") << "shopping cart";
    }

    void saveThenLoadGivesBackEveryControl() {
        QFETCH(QString, page);
        const Page p = PageNamed(page);
        ChangeEveryControl(p.sheet);
        const QMap<QString, QVariant> saved = test::PageState(p.sheet);
        PressWithFile(p.save, PathOf("round trip"));
        QVERIFY(QFile::exists(PathOf("round trip.crv"))); // a name without extension gets ".crv"
        p.clear->click();
        QVERIFY(test::PageState(p.sheet) != saved);
        PressWithFile(p.load, PathOf("round trip.crv"));
        QVERIFY(fixture->dialogs.messages.empty());
        QCOMPARE(test::PageState(p.sheet), saved);
    }

    void wrongKindIsRefusedAndChangesNothing_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("notice");
        QTest::newRow("subscription on single item") << "single item"
                                                     << "subscription" << SubscriptionNotice;
        QTest::newRow("cart on single item") << "single item"
                                             << "shopping cart" << CartNotice;
        QTest::newRow("cart on subscription") << "subscription"
                                              << "shopping cart" << CartNotice;
        QTest::newRow("single item on subscription") << "subscription"
                                                     << "single item" << SingleItemNotice;
        QTest::newRow("subscription on cart") << "shopping cart"
                                              << "subscription" << SubscriptionNotice;
        QTest::newRow("single item on cart") << "shopping cart"
                                             << "single item" << SingleItemNotice;
    }

    void wrongKindIsRefusedAndChangesNothing() {
        QFETCH(QString, page);
        QFETCH(QString, file);
        QFETCH(QString, notice);
        const Page from = PageNamed(file);
        ChangeEveryControl(from.sheet);
        PressWithFile(from.save, PathOf("other.crv"));
        from.clear->click();

        const Page to = PageNamed(page);
        const QMap<QString, QVariant> before = test::PageState(to.sheet);
        PressWithFile(to.load, PathOf("other.crv"));
        QCOMPARE(fixture->dialogs.messages.size(), 1u);
        QCOMPARE(fixture->dialogs.messages[0].kind, MessageKind::Notice);
        QCOMPARE(fixture->dialogs.messages[0].text, notice);
        QCOMPARE(test::PageState(to.sheet), before);
    }

    void emptyFileOnTheSingleItemPage() {
        test::WriteFile(PathOf("empty.crv"), QByteArray());
        ChangeEveryControl(MainForm->TabSheet1);
        MainForm->findChild<QRadioButton*>("RadioButton7")->setChecked(true);
        PressWithFile(MainForm->LoadButton, PathOf("empty.crv"));
        QVERIFY(fixture->dialogs.messages.empty());
        for (QLineEdit* edit : MainForm->TabSheet1->findChildren<QLineEdit*>())
            QCOMPARE(edit->text(), QString());
        QVERIFY(MainForm->Black->isChecked()); // only "1" is White
        QVERIFY(!MainForm->Shipping->isChecked() && !MainForm->Multiple->isChecked());
        QVERIFY(!MainForm->IncludeNote->isChecked() && !MainForm->Encrypt->isChecked());
        QVERIFY(MainForm->findChild<QRadioButton*>("RadioButton7")->isChecked()); // no picture: kept
    }

    void missingFileShowsTheErrorBox() {
        const QMap<QString, QVariant> before = test::PageState(MainForm->TabSheet3);
        const QString path = PathOf("no such file.crv");
        PressWithFile(MainForm->Button8, path);
        QCOMPARE(fixture->dialogs.messages.size(), 1u);
        QCOMPARE(fixture->dialogs.messages[0].kind, MessageKind::Error);
        QCOMPARE(fixture->dialogs.messages[0].text,
                 "Cannot open file " + QDir::toNativeSeparators(path) + ".");
        QCOMPARE(test::PageState(MainForm->TabSheet3), before);
    }

    void saveIntoAMissingFolderShowsTheErrorBox() {
        const QString path = PathOf("missing folder/button.crv");
        PressWithFile(MainForm->SaveButton, path);
        QCOMPARE(fixture->dialogs.messages.size(), 1u);
        QCOMPARE(fixture->dialogs.messages[0].text,
                 "Cannot create file " + QDir::toNativeSeparators(path) + ".");
    }

    void cancelDoesNothing() {
        const QStringList before = QDir(fixture->temporaryFolder.path()).entryList(QDir::Files);
        PressWithFile(MainForm->SaveButton, QString());
        PressWithFile(MainForm->Button2, QString());
        QVERIFY(fixture->dialogs.messages.empty());
        QCOMPARE(QDir(fixture->temporaryFolder.path()).entryList(QDir::Files), before);
    }

    // A file from the Windows program, in Windows-1252, shows its letters as typed and saves them in the
    // system's encoding; nothing turns into U+FFFD on the way.
    void windowsFileKeepsItsLetters() {
        if (!QString::fromLocal8Bit("\xE9").contains(QChar::ReplacementCharacter))
            QSKIP("every Windows-1252 file is valid in this system's encoding");
        test::WriteFile(PathOf("windows.crv"),
                        "caf\xE9@example.com\r\nCaf\xE9 cr\xE8me\r\n\r\n9,99 \x80\r\n");
        PressWithFile(MainForm->LoadButton, PathOf("windows.crv"));
        QVERIFY(fixture->dialogs.messages.empty());
        QCOMPARE(MainForm->Email->text(), QString::fromUtf8("café@example.com"));
        QCOMPARE(MainForm->Name->text(), QString::fromUtf8("Café crème"));
        QCOMPARE(MainForm->Price->text(), QString::fromUtf8("9,99 €"));
        PressWithFile(MainForm->SaveButton, PathOf("saved.crv"));
        QVERIFY(test::FileBytes(PathOf("saved.crv"))
                    .startsWith(
                        "caf\xC3\xA9@example.com\r\nCaf\xC3\xA9 cr\xC3\xA8me\r\n\r\n9,99 \xE2\x82\xAC\r\n"));
    }

    // Every character survives a save and a load, those Qt's own conversion would change included.
    void everyCharacterSurvivesSaveAndLoad_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << QString::fromUtf8("Café crème, 9,99 €, naïve");
        QTest::newRow("no-break space") << QString::fromUtf8("a\u00A0b");
        QTest::newRow("zero-width no-break space first") << QString::fromUtf8("\uFEFFfirst");
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("\U0001F600");
        QTest::newRow("replacement character typed") << QString::fromUtf8("\uFFFD");
    }

    void everyCharacterSurvivesSaveAndLoad() {
        QFETCH(QString, text);
        MainForm->Name->setText(text);
        PressWithFile(MainForm->SaveButton, PathOf("characters.crv"));
        MainForm->ClearButton->click();
        PressWithFile(MainForm->LoadButton, PathOf("characters.crv"));
        QCOMPARE(MainForm->Name->text(), text);
    }

    // The file layer's idea of valid system text is Qt's: text it takes as valid comes through Qt's
    // conversion unchanged, and the rest is what Qt would have turned into U+FFFD.
    void systemTextAgreesWithQt_data() {
        QTest::addColumn<QByteArray>("bytes");
        for (const char* bytes :
             {"abc", "caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xEF\xBF\xBE",
              "\xEF\xBB\xBF"
              "a",
              "\xEF\xBF\xBD", "caf\xE9", "\x80", "\xC0\x80", "\xE0\x9F\xBF", "\xED\xA0\x80",
              "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "ab\xE2\x82", "\xC3("})
            QTest::newRow(QByteArray(bytes).toHex().constData()) << QByteArray(bytes);
    }

    void systemTextAgreesWithQt() {
        QFETCH(QByteArray, bytes);
        const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const QString text = TextFromBytes(view);
        QCOMPARE(IsSystemText(view), BytesFromText(text) == view);
        if (IsSystemText(view))
            QCOMPARE(text.contains(QChar::ReplacementCharacter), bytes.contains("\xEF\xBF\xBD"));
    }

    void dialogsRememberTheLastPathWhicheverPage() {
        PressWithFile(MainForm->SaveButton, PathOf("first.crv"));
        PressWithFile(MainForm->Button7, PathOf("second.crv"));
        PressWithFile(MainForm->Button8, PathOf("second.crv"));
        PressWithFile(MainForm->Button2, QString());
        const std::vector<QString>& offered = fixture->dialogs.fileDialogInitialNames;
        QCOMPARE(offered.size() >= 4, true);
        const auto last = offered.end() - 4;
        QCOMPARE(last[1], PathOf("first.crv"));  // the cart's Save offers the single item's name
        QCOMPARE(last[3], PathOf("second.crv")); // the subscription's Load offers the cart's
    }
};

QTEST_MAIN(SaveLoadTest)
#include "SaveLoadTest.moc"
