// An empty Qt window of the main window's size, ended once it has been painted: the yardstick for the
// program's start-up.

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class QuitAfterPaint : public QWidget {
protected:
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return handled;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuitAfterPaint window;
    window.setFixedSize(499, 567);
    window.show();
    return QApplication::exec();
}
