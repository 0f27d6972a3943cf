#include "ui/Main.h"

#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/Unit2.h"
#include "ui/Window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace corvane::ui {

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Halloran's Corvane Generator"));
    MakeFixedWindow(*this, QSize(499, 567), true);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 499, 567);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Single Item Generator"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Subscription Generator"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Shopping Cart"));

    // Made after the page control, so that they lie above its tab row.
    Button3 = AddButton(this, "Button3", QStringLiteral("Help"), {330, 1, 81, 17});
    Button4 = AddButton(this, "Button4", QStringLiteral("Exit"), {416, 1, 81, 17});
    connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TMainForm::Button4Click);

    CreateSingleItemPage();
    // The tabs, then the controls of the pages (those of hidden pages are passed over), then the two
    // buttons of the window.
    SetTabOrder({PageControl1, Email});
    SetTabOrder({Button13, Button3, Button4});
    PageControl1->setCurrentIndex(0);
    FormCreate();
}

void TMainForm::FormCreate() {
    CentreOnScreen(*this);
}

void TMainForm::Button3Click() {
    HelpForm->exec();
}

void TMainForm::Button4Click() {
    close();
}

void TMainForm::Button13Click() {
    Form2->ShowModeless();
}

QPushButton* TMainForm::DefaultButton() const {
    const QWidget* page = PageControl1->currentWidget();
    if (page == TabSheet1)
        return MakeButton;
    return nullptr;
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // Qt honours a default push button only in dialogs: Enter is handled here for the pages.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        PressButtonForEnter(*this, DefaultButton()))
        return;
    QWidget::keyPressEvent(event);
}

} // namespace corvane::ui
