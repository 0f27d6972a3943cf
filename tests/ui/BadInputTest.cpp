// Bad files and failing disks on the pages and the result window: each gives its message, leaves the page
// and the files as they were, and nothing crashes or hangs.

#include "UiTestSupport.h"
#include "ui/Main.h"
#include "ui/Result.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace corvane;
using namespace corvane::ui;

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;
    QString folder;

    void PressWithFile(QPushButton* button, const QString& path) {
        fixture->dialogs.fileNameAnswers = QStringList{path};
        button->click();
    }

    // The one message shown since the test began.
    QString OnlyMessage() {
        if (fixture->dialogs.messages.size() != 1)
            return QString("%1 messages").arg(fixture->dialogs.messages.size());
        return fixture->dialogs.messages[0].text;
    }

private slots:
    void initTestCase() {
        fixture = std::make_unique<test::UiFixture>();
        folder = fixture->temporaryFolder.path();
    }
    void cleanupTestCase() { fixture.reset(); }
    void init() {
        fixture->dialogs.messages.clear();
        fixture->dialogs.whenFileChosen = nullptr;
        MainForm->ClearButtonClick();
        MainForm->Email->setText("kept@example.com");
    }

    void loadRefusesWhatIsNoButtonFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder") << "a folder";
        QTest::newRow("100 MB") << "huge.crv";
#ifndef Q_OS_WIN
        QTest::newRow("a pipe") << "pipe";
#endif
    }

    void loadRefusesWhatIsNoButtonFile() {
        QFETCH(QString, name);
        const QString path = folder + "/" + name;
        if (name == "a folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (name == "huge.crv") {
            test::WriteFile(path, "me@example.com\r\n" + QByteArray(100 << 20, 'n') + "\r\n");
        } else {
#ifndef Q_OS_WIN
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        }
        const QMap<QString, QVariant> before = test::PageState(MainForm->TabSheet1);
        QElapsedTimer timer;
        timer.start();
        PressWithFile(MainForm->LoadButton, path);
        QVERIFY(timer.elapsed() < 10000);
        // A file too large is not called unreadable: the box says what is wrong with it.
        QCOMPARE(OnlyMessage(), name == "huge.crv"
                                    ? Native(path) + " (104.9 MB) is too large to be a button file."
                                    : "Cannot open file " + Native(path) + ".");
        QCOMPARE(fixture->dialogs.messages[0].kind, MessageKind::Error);
        QCOMPARE(test::PageState(MainForm->TabSheet1), before);
        QDir().rmdir(path);
        QFile::remove(path);
    }

    void binaryFileLoadsByTheReadingRules() {
        QByteArray bytes;
        for (int i = 0; i < 1 << 16; ++i)
            bytes += static_cast<char>((i * 7919 + 13) % 256 == 0 ? 1 : (i * 7919 + 13) % 256);
        test::WriteFile(folder + "/binary.crv", bytes);
        PressWithFile(MainForm->LoadButton, folder + "/binary.crv");
        QVERIFY(fixture->dialogs.messages.empty());
        QVERIFY(MainForm->Email->text() != "kept@example.com");
        // On the other pages a file without a tag is a single-item button.
        PressWithFile(MainForm->Button8, folder + "/binary.crv");
        QCOMPARE(OnlyMessage(), QString("This file appears to be a single item button.  Please load it in "
                                        "the single item generator."));
    }

    void fileVanishingBetweenDialogAndRead() {
        const QString path = folder + "/vanishing.crv";
        test::WriteFile(path, ".cart\r\n");
        fixture->dialogs.whenFileChosen = [](const QString& chosen) { QFile::remove(chosen); };
        PressWithFile(MainForm->LoadButton, path);
        QCOMPARE(OnlyMessage(), "Cannot open file " + Native(path) + ".");
        QCOMPARE(MainForm->Email->text(), QString("kept@example.com"));
    }

    void saveOverAReadOnlyFileKeepsIt() {
        const QString here = folder + "/read-only file";
        QVERIFY(QDir().mkpath(here));
        const QString path = here + "/locked.crv";
        test::WriteFile(path, "old\r\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        PressWithFile(MainForm->SaveButton, path);
        QCOMPARE(OnlyMessage(), "Cannot create file " + Native(path) + ".");
        QCOMPARE(test::FileBytes(path), QByteArray("old\r\n"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(QDir(here).entryList(QDir::Files | QDir::Hidden), QStringList({"locked.crv"}));
    }

    void saveIntoAReadOnlyFolder() {
#ifdef Q_OS_WIN
        QSKIP("folders have no read-only mode on Windows");
#else
        if (geteuid() == 0)
            QSKIP("permission bits stop no write for root");
        const QString locked = folder + "/locked folder";
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        PressWithFile(MainForm->SaveButton, locked + "/button.crv");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(OnlyMessage(), "Cannot create file " + Native(locked + "/button.crv") + ".");
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList());
#endif
    }

    void saveOntoAFullDiskKeepsTheOldFile() {
#ifdef Q_OS_WIN
        QSKIP("the disk is filled with a file-size limit, which Windows has not");
#else
        const QString here = folder + "/full disk";
        QVERIFY(QDir().mkpath(here));
        const QString path = here + "/full.crv";
        test::WriteFile(path, "old\r\n");
        MainForm->Name->setText(QString(20000, 'n'));
        // Past the limit the system refuses writes as on a full disk.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limit = previous;
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        PressWithFile(MainForm->SaveButton, path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(OnlyMessage(), QString("Stream write error."));
        QCOMPARE(test::FileBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(here).entryList(QDir::Files | QDir::Hidden), QStringList({"full.crv"}));
#endif
    }

    // A temporary folder that cannot hold the test file: its name is taken by a plain file.
    void testFileFolderUnusable() {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the temporary folder from TMP and TEMP");
#else
        const QByteArray previous = qgetenv("TMPDIR");
        const QString notAFolder = folder + "/not a folder";
        test::WriteFile(notAFolder, "x");
        qputenv("TMPDIR", QFile::encodeName(notAFolder));
        ResultForm->ResultBox->setPlainText("<form></form>");
        ResultForm->show();
        fixture->openedUrls.clear();
        ResultForm->Button2->click();
        ResultForm->close();
        qputenv("TMPDIR", previous);
        QCOMPARE(OnlyMessage(), "Cannot create file " + Native(notAFolder + "/paypal.html") + ".");
        QVERIFY(fixture->openedUrls.empty());
        QCOMPARE(test::FileBytes(notAFolder), QByteArray("x"));
#endif
    }
};

QTEST_MAIN(BadInputTest)
#include "BadInputTest.moc"
