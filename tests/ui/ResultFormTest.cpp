#include "UiTestSupport.h"
#include "ui/Result.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
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
        ResultForm->ResultBox->SetCode(Code);
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

    // The code as it was put in, to the character: the box's own plain text would turn a no-break space
    // into a blank and a separator into a line break.
    void copyAllTestAndCtrlCGiveTheCodeUnchanged_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("no-break space") << QString::fromUtf8("<input value=\"a\u00A0b\">");
        QTest::newRow("line separator") << QString::fromUtf8("<input value=\"a\u2028b\">");
        QTest::newRow("paragraph separator") << QString::fromUtf8("<input value=\"a\u2029b\">");
        QTest::newRow("zero-width no-break space first") << QString::fromUtf8("\uFEFF<form>");
        QTest::newRow("letters") << QString::fromUtf8("<input value=\"Café crème 9,99 €\">");
    }

    void copyAllTestAndCtrlCGiveTheCodeUnchanged() {
        QFETCH(QString, code);
        ResultForm->ResultBox->SetCode(code);
        ResultForm->Button1->click();
        QCOMPARE(fixture->clipboardText, code);
        ResultForm->Button2->click();
        QCOMPARE(test::FileBytes(TResultForm::GetTempFile()), code.toLocal8Bit());
        ResultForm->ResultBox->selectAll();
        ResultForm->ResultBox->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), code);
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
    }

    // Only the file the window made goes: not one another program left at that name without "Test"
    // pressed, and never a folder that stood in the way of the test file.
    void hidingDeletesOnlyTheWindowsOwnFile_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("another program's file") << false;
        QTest::newRow("a folder") << true;
    }

    void hidingDeletesOnlyTheWindowsOwnFile() {
        QFETCH(bool, folder);
        const QString path = TResultForm::GetTempFile();
        if (folder) {
            QVERIFY(QDir().mkpath(path));
            ResultForm->Button2->click(); // fails: "Cannot create file"
            QCOMPARE(fixture->dialogs.messages.size(), 1u);
        } else {
            test::WriteFile(path, "theirs");
        }
        ResultForm->CloseButton->click();
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(folder ? QDir().rmdir(path) : QFile::remove(path));
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
