#include "ui/Unit2.h"

#include "ui/Controls.h"
#include "ui/Desktop.h"
#include "ui/Look.h"
#include "ui/Window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

namespace corvane::ui {

TForm2* Form2 = nullptr;

QStringList TForm2::ResaleLines() {
    return {
        QStringLiteral("If you've ever planned to make truckloads of cash on the "),
        QStringLiteral("Internet, Corvane Generator is your ticket! "),
        QString(),
        QStringLiteral("As an exclusive Corvane Generator reseller you will be able to "),
        QStringLiteral("sell unlimited copies and keep 100% of the profits! "),
        QString(),
        QStringLiteral("Stop wasting your time and efforts with affiliate programs that "),
        QStringLiteral("only pay you 35%-50% per sale. Don't get me wrong - Affiliate "),
        QStringLiteral("programs are good but owning the 100% resale rights to amazing "),
        QStringLiteral("digital product and keeping 100% of the profits is even better! "),
    };
}

QUrl TForm2::ResalePage() {
    return QUrl(QStringLiteral("https://corvane.example/resale-rights"));
}

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Get Resale Rights!"));
    MakeToolWindow(*this);
    setFixedSize(432, 265);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it never ends the program

    Label1 = AddLabel(this, "Label1", QStringLiteral("Resale Rights"), {136, 8});
    Label1->setFont(
        ResaleHeadingFont()); // sized to it when first shown: loading the font costs start-up time

    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(40, 48, 369, 161);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->document()->setDocumentMargin(1);
    Memo1->setFont(ResaleTextFont());
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(ResaleLines().join(QLatin1Char('\n')));
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(format);
    }

    Button1 =
        AddButton(this, "Button1", QStringLiteral("Click Here For Resale Rights!"), {136, 224, 169, 25});
    SetTabOrder({Memo1, Button1});
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    FormCreate();
}

void TForm2::FormCreate() {
    CentreOnScreen(*this);
}

void TForm2::showEvent(QShowEvent* event) {
    Label1->adjustSize();
    QWidget::showEvent(event);
}

void TForm2::ShowModeless() {
    show();
    raise();
    activateWindow();
}

void TForm2::Button1Click() {
    ShellOpen(ResalePage());
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        PressButtonForEnter(*this, nullptr))
        return;
    QWidget::keyPressEvent(event);
}

} // namespace corvane::ui
