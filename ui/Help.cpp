#include "ui/Help.h"

#include "ui/Controls.h"

#include <QPushButton>
#include <QTextEdit>

namespace corvane::ui {

THelpForm* HelpForm = nullptr;

namespace {

const QString Rule = QString(41, QLatin1Char('-'));

} // namespace

QStringList THelpForm::HelpLines() {
    return {
        QStringLiteral("Corvane Generator"),
        QString(28, QLatin1Char('-')),
        QString(),
        QStringLiteral("This program will generate PayPal order buttons on the fly so that you don't have to "
                       "log in to "),
        QStringLiteral("your PayPal account every time you want to create an order button."),
        QString(),
        QStringLiteral(
            "In addition, it has the capability to encrypt the order button so that its details cannot be "),
        QStringLiteral("viewed (for example, to hide the return page's URL)."),
        QString(),
        QStringLiteral(
            "You can also save and load buttons to your hard drive, so that modifying a button is as easy "),
        QStringLiteral("as a few simple clicks."),
        QString(),
        QStringLiteral("To use, simply fill out the form as you would fill out the order button generation "
                       "form in your "),
        QStringLiteral("account at paypal.com."),
        QString(),
        QStringLiteral(
            "Check the box \"Encrypt Code\" if you want your code to be secured, and use the \"Save\" "),
        QStringLiteral("and \"Load\" buttons to save and load buttons to your hard drive."),
        QString(),
        QStringLiteral(
            "After generating a button with the \"Make Button\" command, you can either copy it to the "),
        QStringLiteral("clipboard, or test it in your web browser."),
        QString(),
        Rule,
        QStringLiteral("Corvane Generator 1.0. Provided as is, without warranty of any kind."),
        QStringLiteral("The encrypted code hides a button's details from casual view only."),
        Rule,
        QStringLiteral("Updates and help: https://corvane.example/"),
        Rule,
    };
}

THelpForm::THelpForm(QWidget* parent) : FixedDialog(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Corvane Generator Help"));
    MakeFixedWindow(*this, QSize(443, 512), false);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(4, 12, 437, 465);
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->viewport()->setAutoFillBackground(false); // the text stands on the window's colour
    RichEdit1->document()->setDocumentMargin(1);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setPlainText(HelpLines().join(QLatin1Char('\n')));

    Button1 = AddButton(this, "Button1", QStringLiteral("OK"), {172, 480, 97, 25});
    SetTabOrder({RichEdit1, Button1});
    connect(Button1, &QPushButton::clicked, this, &THelpForm::Button1Click);
    FormCreate();
}

void THelpForm::FormCreate() {
    CentreOnScreen(*this);
}

void THelpForm::Button1Click() {
    close();
}

} // namespace corvane::ui
