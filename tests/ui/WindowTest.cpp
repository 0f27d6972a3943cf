#include "ui/Window.h"

#include <QtTest>

using corvane::ui::CentreOnScreen;
using corvane::ui::ProgramTitle;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void centreOnScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        // Each half is truncated on its own: 384 - 300, not (768 - 601) / 2.
        QTest::newRow("odd height") << QSize(1024, 768) << QSize(505, 601) << QPoint(260, 84);
        QTest::newRow("even sizes") << QSize(1920, 1080) << QSize(500, 600) << QPoint(710, 240);
        QTest::newRow("larger than the screen") << QSize(640, 480) << QSize(801, 700) << QPoint(-80, -110);
    }

    void centreOnScreen() {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(CentreOnScreen(screen, window), topLeft);
    }

    void programTitle_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/Corvane"
                               << "Corvane";
        QTest::newRow("cut at the first full stop") << "/opt/CORVANE.EXE"
                                                    << "Corvane";
        QTest::newRow("several stops") << "/tmp/my.prog.bin"
                                       << "my";
        QTest::newRow("rest lower case") << "/x/CorvaneGen"
                                         << "Corvanegen";
        QTest::newRow("no name before the stop") << "/x/.hidden"
                                                 << "";
    }

    void programTitle() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ProgramTitle(path), title);
    }
};

QTEST_GUILESS_MAIN(WindowTest)
#include "WindowTest.moc"
