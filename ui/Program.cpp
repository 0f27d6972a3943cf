#include "ui/Program.h"

#include "ui/Help.h"
#include "ui/Look.h"
#include "ui/Main.h"
#include "ui/Result.h"
#include "ui/Unit2.h"
#include "ui/Window.h"

#include <QApplication>
#include <QIcon>

namespace corvane::ui {

void CreateForms() {
    MainForm = new TMainForm;
    // The other windows belong to the main window: they stay above it and end with it.
    ResultForm = new TResultForm(MainForm);
    HelpForm = new THelpForm(MainForm);
    Form2 = new TForm2(MainForm);
}

void DestroyForms() {
    delete MainForm;
    MainForm = nullptr;
    ResultForm = nullptr;
    HelpForm = nullptr;
    Form2 = nullptr;
}

int RunProgram(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(ProgramTitle());
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/corvane-32.png"));
    icon.addFile(QStringLiteral(":/pictures/corvane-16.png"));
    QApplication::setWindowIcon(icon);
    ApplyClassicLook(application);

    CreateForms();
    MainForm->show();
    const int status = QApplication::exec();
    DestroyForms();
    return status;
}

} // namespace corvane::ui
