#include "UiTestSupport.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Main.h"
#include "ui/Result.h"
#include "ui/Unit2.h"
#include "ui/Window.h"

#include <QScreen>
#include <QtTest>

using namespace corvane;
using namespace corvane::ui;

namespace {

QSize ScreenSize() {
    return QGuiApplication::primaryScreen()->geometry().size();
}

// Whether `window` stands in the middle of the screen by its outer size, frame and title bar included.
bool CentredByOuterSize(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    return outer.size() != window.size() && outer.topLeft() == CentreOnScreen(ScreenSize(), outer.size());
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UiFixture> fixture;

private slots:
    void initTestCase() { fixture = std::make_unique<test::UiFixture>(); }
    void cleanupTestCase() { fixture.reset(); }

    // Each window is placed by its outer size, frame included, though the frame is known only once the
    // system has made the window.
    void everyWindowIsCentredByItsOuterSize_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"MainForm", "ResultForm", "HelpForm", "Form2"})
            QTest::newRow(name) << name;
    }

    void everyWindowIsCentredByItsOuterSize() {
        QFETCH(QString, window);
        QWidget* shown = window == "MainForm"     ? static_cast<QWidget*>(MainForm)
                         : window == "ResultForm" ? static_cast<QWidget*>(ResultForm)
                         : window == "HelpForm"   ? static_cast<QWidget*>(HelpForm)
                                                  : static_cast<QWidget*>(Form2);
        shown->show(); // the result and help windows modelessly: their modal showing is the pages' business
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY2(
            CentredByOuterSize(*shown),
            qPrintable(QString("at %1,%2").arg(shown->frameGeometry().x()).arg(shown->frameGeometry().y())));
        QVERIFY(!KnownWindowFrame().isNull());
        if (shown != MainForm)
            shown->hide();
    }

    // Placed once: a window the user has moved is shown again where it was left.
    void aMovedWindowStaysWhereItWasLeft() {
        ResultForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ResultForm));
        ResultForm->move(20, 30);
        ResultForm->hide();
        ResultForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ResultForm));
        QCOMPARE(ResultForm->pos(), QPoint(20, 30));
        ResultForm->hide();
    }

    // Message boxes, input boxes and file dialogs stand in the middle of the screen, wherever the main
    // window is.
    void dialogsStandInTheMiddleOfTheScreen_data() {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("error box") << "error box";
        QTest::newRow("notice") << "notice";
        QTest::newRow("input box") << "input box";
        QTest::newRow("save dialog") << "save dialog";
        QTest::newRow("open dialog") << "open dialog";
    }

    void dialogsStandInTheMiddleOfTheScreen() {
        QFETCH(QString, dialog);
        MainForm->show();
        MainForm->move(0, 0);
        SetDialogHandlerForTesting(nullptr); // the real boxes and dialogs
        bool centred = false;
        QRect where;
        test::WhenModalShown([&](QWidget& box) {
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            where = box.frameGeometry();
            centred = CentredByOuterSize(box);
        });
        if (dialog == "error box")
            ShowError(MainForm, "Cannot open file /x/y.crv");
        else if (dialog == "notice")
            ShowNotice(MainForm, "This file appears to be a single item button.");
        else if (dialog == "input box")
            ShowInputBox(MainForm, "Cancel Subscription", "Link:", "https://example.com");
        else
            AskFileName(MainForm, dialog == "save dialog" ? FileDialogKind::Save : FileDialogKind::Open, {});
        SetDialogHandlerForTesting(&fixture->dialogs);
        QVERIFY2(centred, qPrintable(QString("at %1,%2, %3 x %4")
                                         .arg(where.x())
                                         .arg(where.y())
                                         .arg(where.width())
                                         .arg(where.height())));
    }
};

QTEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
