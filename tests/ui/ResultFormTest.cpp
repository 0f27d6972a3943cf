#include "UiTestSupport.h"
#include "ui/Result.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

namespace {

// A generated code is one long line; the box wraps it only on the screen.
const QString Code =
    QStringLiteral("<form action=\"x\">") + QString(600, QLatin1Char('v')) + QStringLiteral("\xe9</form>");

} // namespace

class ResultFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

private slots:
    void initTestCase() { fixture = std::make_unique<test::UiFixture>(); }
    void cleanupTestCase() { fixture.reset(); }
    void init() {
        fixture->dialogs.messages.clear();
        fixture->openedUrls.clear();
        fixture->clipboardAvailable = true;
        ResultForm->ResultBox->setPlainText(Code);
        ResultForm->show(); // shown modelessly: the modal showing is the pages' business
        ResultForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ResultForm));
    }
    void cleanup() { ResultForm->close(); }

    void window() {
        QCOMPARE(ResultForm->windowTitle(), QString("Here's your generated code..."));
        QCOMPARE(ResultForm->size(), QSize(282, 326));
        QCOMPARE(ResultForm->minimumSize(), ResultForm->maximumSize());
        QVERIFY(!(ResultForm->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(ResultForm->ResultBox->geometry(), QRect(4, 24, 273, 281));
        QVERIFY(ResultForm->ResultBox->isReadOnly());
        QCOMPARE(ResultForm->ResultBox->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(ResultForm->ResultBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(ResultForm->Button1->geometry(), QRect(4, 304, 89, 17));
        QCOMPARE(ResultForm->Button1->text(), QString("Copy All"));
        QCOMPARE(ResultForm->Button2->geometry(), QRect(96, 304, 89, 17));
        QCOMPARE(ResultForm->Button2->text(), QString("Test"));
        QCOMPARE(ResultForm->CloseButton->geometry(), QRect(188, 304, 89, 17));
        QCOMPARE(ResultForm->CloseButton->text(), QString("Close"));
        QCOMPARE(ResultForm->Label1->pos(), QPoint(8, 4));
        QCOMPARE(ResultForm->Label1->text(), QString("Your Button's Code:"));
        QCOMPARE(test::FocusChainNames(ResultForm->ResultBox, ResultForm),
                 QStringList({"ResultBox", "Button1", "Button2", "CloseButton"}));
    }

    void copyAllPutsTheExactTextAndSelectsIt() {
        ResultForm->Button1->click();
        QCOMPARE(fixture->clipboardText, Code);
        QVERIFY(ResultForm->ResultBox->hasFocus());
        QCOMPARE(ResultForm->ResultBox->textCursor().selectedText(), Code);
        QVERIFY(fixture->dialogs.messages.empty());
    }

    void busyClipboardShowsTheErrorBox() {
        fixture->clipboardAvailable = false;
        ResultForm->ResultBox->moveCursor(QTextCursor::Start);
        ResultForm->Button1->click();
        QCOMPARE(fixture->dialogs.messages.size(), 1u);
        QCOMPARE(fixture->dialogs.messages[0].kind, MessageKind::Error);
        QCOMPARE(fixture->dialogs.messages[0].text, QString("Cannot open clipboard."));
        QVERIFY(!ResultForm->ResultBox->textCursor().hasSelection());
    }

    void testWritesTheExactBytesAndOpensThemEachTime() {
        const QString path = TResultForm::GetTempFile();
        QCOMPARE(path, fixture->temporaryFolder.path() + "/paypal.html");
        ResultForm->Button2->click();
        QCOMPARE(test::FileBytes(path), Code.toLocal8Bit());
        ResultForm->Button2->click();
        QCOMPARE(fixture->openedUrls, std::vector<QUrl>(2, QUrl::fromLocalFile(path)));
        QVERIFY(ResultForm->isVisible());
    }

    void hidingDeletesTheTestFile() {
        const QString path = TResultForm::GetTempFile();
        ResultForm->Button2->click();
        QVERIFY(QFile::exists(path));
        ResultForm->CloseButton->click();
        QVERIFY(!ResultForm->isVisible());
        QVERIFY(!QFile::exists(path));

        // Whatever stands at that name goes, "Test" pressed or not.
        QFile foreign(path);
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.close();
        ResultForm->show();
        ResultForm->close();
        QVERIFY(!QFile::exists(path));
    }

    void testFileThatCannotBeCreated() {
        const QString path = TResultForm::GetTempFile();
        QVERIFY(QDir().mkpath(path)); // a folder holds the name
        ResultForm->Button2->click();
        QDir().rmdir(path);
        QCOMPARE(fixture->dialogs.messages.size(), 1u);
        QCOMPARE(fixture->dialogs.messages[0].kind, MessageKind::Error);
        QCOMPARE(fixture->dialogs.messages[0].text,
                 "Cannot create file " + QDir::toNativeSeparators(path) + ".");
        QVERIFY(fixture->openedUrls.empty());
        QVERIFY(ResultForm->isVisible());
    }

#ifndef Q_OS_WIN
    void testRefusesALinkPlantedAtTheName() {
        const QString victim = fixture->temporaryFolder.filePath("victim.txt");
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        QVERIFY(QFile::link(victim, TResultForm::GetTempFile()));
        ResultForm->Button2->click();
        QCOMPARE(test::FileBytes(victim), QByteArray("keep me"));
        QCOMPARE(fixture->dialogs.messages.size(), 1u);
        QVERIFY(fixture->dialogs.messages[0].text.startsWith("Cannot create file "));
        QVERIFY(fixture->openedUrls.empty());
    }
#endif

    void escapeDoesNothingAndEnterPressesOnlyTheFocusedButton() {
        QSignalSpy copy(ResultForm->Button1, &QPushButton::clicked);
        QSignalSpy test(ResultForm->Button2, &QPushButton::clicked);
        QSignalSpy close(ResultForm->CloseButton, &QPushButton::clicked);
        QTest::keyClick(ResultForm->ResultBox, Qt::Key_Escape);
        QVERIFY(ResultForm->isVisible());
        ResultForm->ResultBox->setFocus();
        QTest::keyClick(ResultForm->ResultBox, Qt::Key_Return);
        QCOMPARE(copy.count() + test.count() + close.count(), 0);
        ResultForm->Button2->setFocus();
        QTest::keyClick(ResultForm->Button2, Qt::Key_Return);
        QCOMPARE(test.count(), 1);
        QCOMPARE(copy.count() + close.count(), 0);
    }
};

QTEST_MAIN(ResultFormTest)
#include "ResultFormTest.moc"
