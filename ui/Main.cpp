#include "ui/Main.h"

#include "files/FileError.h"
#include "files/LoadButton.h"
#include "generate/Scrambler.h"
#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/Result.h"
#include "ui/Unit2.h"
#include "ui/Window.h"

#include <QApplication>
#include <QDir>
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
    CreateSubscriptionPage();
    CreateCartPage();
    // The tabs, then the controls of the pages (those of hidden pages are passed over), then the two
    // buttons of the window.
    SetTabOrder({PageControl1, Email});
    SetTabOrder({Button13, Edit1});
    SetTabOrder({Button15, Edit4});
    SetTabOrder({Button12, Button3, Button4});
    PageControl1->setCurrentIndex(0);
    UseWindowsRadioKeys(*this);
    for (QPushButton* button : findChildren<QPushButton*>())
        pushButtons_.push_back(button);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::ShowEnterTarget);
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::ShowEnterTarget);
    ShowEnterTarget();
    FormCreate();
}

TMainForm::~TMainForm() {
    // Focus moves while the child windows go; the pages are no longer there to be asked.
    disconnect(qApp, nullptr, this, nullptr);
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
    return page == TabSheet1 ? MakeButton : page == TabSheet2 ? Button5 : Button9;
}

QPushButton* TMainForm::EnterTarget() const {
    return EnterButton(*this, DefaultButton());
}

void TMainForm::ShowEnterTarget() {
    // The window's own buttons, not findChildren: focus also moves while a dialog of this window is
    // being destroyed, and its children must not be looked at then.
    const QPushButton* target = EnterTarget();
    for (QPushButton* button : pushButtons_)
        button->setDefault(button == target);
}

void TMainForm::ShowCode(std::string code, bool encrypt) {
    if (encrypt)
        code = EncryptCode(code);
    ResultForm->ShowCode(TextFromBytes(code));
}

template <typename Button> void TMainForm::Save(Button (TMainForm::*read)() const) {
    const std::optional<QString> path = SaveDialog1.Execute(this);
    if (!path)
        return;
    const QString nativePath = QDir::toNativeSeparators(*path);
    try {
        WriteButtonFile(BytesFromText(nativePath), (this->*read)());
    } catch (const FileError& error) {
        ShowError(this, TextFromBytes(error.what()));
    }
}

template <typename Button> void TMainForm::Load(void (TMainForm::*fill)(const Button&)) {
    const std::optional<QString> path = OpenDialog1.Execute(this);
    if (!path)
        return;
    const QString nativePath = QDir::toNativeSeparators(*path);
    std::variant<Button, std::string_view> loaded;
    try {
        loaded = LoadButtonFile<Button>(BytesFromText(nativePath));
    } catch (const FileError& error) {
        ShowError(this, TextFromBytes(error.what()));
        return;
    }
    if (const auto* refusal = std::get_if<std::string_view>(&loaded)) {
        ShowNotice(this, QString::fromLatin1(refusal->data(), static_cast<qsizetype>(refusal->size())));
        return;
    }
    (this->*fill)(std::get<Button>(loaded));
}

template void TMainForm::Save(SingleItemButton (TMainForm::*)() const);
template void TMainForm::Save(SubscriptionButton (TMainForm::*)() const);
template void TMainForm::Save(CartButton (TMainForm::*)() const);
template void TMainForm::Load(void (TMainForm::*)(const SingleItemButton&));
template void TMainForm::Load(void (TMainForm::*)(const SubscriptionButton&));
template void TMainForm::Load(void (TMainForm::*)(const CartButton&));

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // Qt honours a default push button only in dialogs: Enter is handled here for the pages.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        PressButtonForEnter(*this, DefaultButton()))
        return;
    QWidget::keyPressEvent(event);
}

} // namespace corvane::ui
