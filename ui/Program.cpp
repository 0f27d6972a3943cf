#include "ui/Program.h"

#include "ui/Help.h"
#include "ui/Look.h"
#include "ui/Main.h"
#include "ui/Result.h"
#include "ui/Unit2.h"
#include "ui/Window.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>

namespace corvane::ui {

void CreateForms() {
    MainForm = new TMainForm;
    // The modal windows belong to the main window: they stay above it. The resale-rights window stands
    // beside it: the user switches between the two, and either may be in front.
    ResultForm = new TResultForm(MainForm);
    HelpForm = new THelpForm(MainForm);
    Form2 = new TForm2;
}

void DestroyForms() {
    delete Form2;
    delete MainForm;
    MainForm = nullptr;
    ResultForm = nullptr;
    HelpForm = nullptr;
    Form2 = nullptr;
}

namespace {

// Calls a function once, after the first paint of the widget it watches.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            QMetaObject::invokeMethod(this, then_, Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

int RunProgram(int argc, char** argv, const std::function<void()>& whenShown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(ProgramTitle());
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/pictures/corvane-32.png"), "PNG"));
    icon.addPixmap(QPixmap(QStringLiteral(":/pictures/corvane-16.png"), "PNG"));
    QApplication::setWindowIcon(icon);
    ApplyClassicLook(application);

    CreateForms();
    FirstPaint firstPaint(whenShown);
    if (whenShown)
        MainForm->installEventFilter(&firstPaint);
    MainForm->show();
    const int status = QApplication::exec();
    DestroyForms();
    return status;
}

} // namespace corvane::ui
